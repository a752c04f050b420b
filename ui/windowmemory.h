#pragma once

#include <QObject>

class QMainWindow;

// Keeps a main window's geometry and where its docks stand across runs, in the program's
// settings: restored when this is made, saved when the window closes.
class WindowMemory : public QObject
{
    Q_OBJECT

public:
    explicit WindowMemory(QMainWindow& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMainWindow& window;
};
