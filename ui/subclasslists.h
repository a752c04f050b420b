#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;

namespace Ui {
class Vorlan;
}

// The list of the configuration's subclasses, whose current item is the subclass shown, and the
// list of invalid subclasses beside it with its caption. Both name subclass N "subclass_N".
// The invalid list is kept in ascending order, so that one subclass's entry is found in a few
// steps however many are listed. Each of its entries explains itself in a tool tip, asked for only
// when one is shown, so that a long list costs nothing until then.
class SubclassLists : public QObject
{
public:
    // reasons gives the tool tip of an invalid subclass.
    explicit SubclassLists(Ui::Vorlan& form, std::function<QString(quint32)> reasons = {});

    static QString itemText(quint32 number);
    // The number an item names; nothing for a text that names none.
    static std::optional<quint32> numberOf(const QString& itemText);

    // Lists the numbers with the first one current, without announcing a selection.
    void fill(const QList<quint32>& numbers);
    // Empties both lists.
    void clear();
    int count() const;
    // Lists one more subclass, at the end.
    void append(quint32 number);
    // Lists a subclass again at a place it had, without announcing a selection.
    void insert(int position, quint32 number);
    // Takes a subclass off both lists. Announced, the subclass that becomes current reaches the
    // window's slot for the list.
    void remove(quint32 number, bool announce = false);
    // Where a subclass is listed; -1 when it is not.
    int position(quint32 number) const;
    // The subclass shown, if any.
    std::optional<quint32> current() const;
    // Makes a listed subclass current; false when it is not listed. Announced, the change reaches
    // the window's slot for the list, unless the subclass was current already.
    bool select(quint32 number, bool announce = true);
    void selectLast();
    void selectPrevious();
    void selectNext();
    // Takes the current subclass off both lists; a neighbour becomes current.
    void removeCurrent();

    // Lists exactly these numbers as invalid.
    void refreshInvalid(const QList<quint32>& numbers);
    // Lists or unlists one subclass as its verdict says.
    void updateInvalidEntry(quint32 number, bool valid);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where number stands in the invalid list, or where it would go.
    int invalidPosition(quint32 number) const;
    bool listedInvalid(quint32 number) const;
    // Shows the invalid list and its caption as its entries say.
    void showInvalidState();

    QComboBox* subclasses;
    QComboBox* invalid;
    QLabel* invalidCaption;
    std::function<QString(quint32)> reasons;
};
