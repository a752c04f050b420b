#pragma once

#include <QDialog>

namespace Ui {
class About;
}

// The Help menu's About box: icon, version line and credits.
class About : public QDialog
{
    Q_OBJECT

public:
    About(QWidget* parent, const QString& version);
    ~About() override;

private:
    Ui::About* ui;
};
