#include "app/about.h"

#include "ui_about.h"

About::About(QWidget* parent, const QString& version) : QDialog(parent), ui(new Ui::About)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    ui->labelVersion->setText(QStringLiteral("Vorlan ") + version + QStringLiteral(" (x64)"));
}

About::~About()
{
    delete ui;
}
