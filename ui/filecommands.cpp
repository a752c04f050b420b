// The File menu: New, Open and Save.
#include "ui/vorlan.h"

void Vorlan::menuNewClicked()
{
    // Will write a new configuration made of the header typed into the window.
}

void Vorlan::menuOpenClicked()
{
    // Will load a configuration file and show it.
}

void Vorlan::menuSaveClicked()
{
    // Will check the configuration and write it to a file.
}
