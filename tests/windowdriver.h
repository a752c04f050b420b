#pragma once

// Small helpers for driving the main window in tests as a user would.
#include <QFile>
#include <QLineEdit>
#include <QRegExp>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

namespace WindowDriver {

// The background colour name a field's style sheet sets, such as "lime"; empty when none.
inline QString background(const QLineEdit* edit)
{
    QRegExp colour(QStringLiteral("background-color:\\s*(\\w+)"));
    return colour.indexIn(edit->styleSheet()) >= 0 ? colour.cap(1) : QString();
}

// Replaces the whole text of an edit by typing, so every keystroke is a user edit.
inline void retype(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}

inline QString writeFile(const QTemporaryDir& dir, const QString& name, const QString& text)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return QString();
    file.write(text.toLatin1());
    return path;
}

} // namespace WindowDriver
