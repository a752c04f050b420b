#pragma once

// What the test of one panel of the main window builds the panel on: the window's form on a bare
// main window, and nothing of the editor behind it.
#include "tests/windowdriver.h"
#include "ui_vorlan.h"

struct FormFixture
{
    std::unique_ptr<QMainWindow> window;
    Ui::Vorlan form;
    DisplayUnits units;
    int wired = 0; // edits the panel handed to the window

    void setUpForm()
    {
        window = std::make_unique<QMainWindow>();
        form.setupUi(window.get());
        units = DisplayUnits();
        wired = 0;
    }
    std::function<void(QLineEdit*)> wire()
    {
        return [this](QLineEdit*) { ++wired; };
    }
    // WindowDriver::onScreen of the names, separated by blanks.
    QString shown(const QString& names) const
    {
        return WindowDriver::onScreen(window.get(), names.split(' ')).join(' ');
    }
    QLineEdit* edit(const QString& name) const { return window->findChild<QLineEdit*>(name); }
};
