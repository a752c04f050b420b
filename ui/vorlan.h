#pragma once

#include "model/conf.h"
#include "model/limitverdicts.h"
#include "ui/headerpanel.h"
#include "ui/undo/stepcontext.h"
#include "units/displayunits.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class AnalysisDock;
class AxleRows;
class ConstraintPanel;
class EditHistory;
class FileCommands;
class Subclass;
class SubclassLists;

namespace Ui {
class Vorlan;
}

// The editor's main window. It owns the configuration being edited and the displayed units, and
// is where every change to the configuration is made and recorded in the edit history: the
// panels it composes (the header, the subclass lists, the per-axle editors and the constraints)
// show the configuration and say what the user touched, but never change it themselves. Its
// file commands keep track of the configuration's file.
class Vorlan : public QMainWindow
{
    Q_OBJECT

public:
    explicit Vorlan(QWidget* parent = nullptr);
    ~Vorlan() override;

    const Conf& configuration() const { return conf; }
    const DisplayUnits& displayUnits() const { return units; }

    // Reads the configuration file at path and shows it with a new edit history, as the Open
    // command does once a file is chosen. A file read only in part is shown as far as it was
    // read, with a warning. A path that cannot be read leaves the window as it was, with a
    // warning, and gives false.
    bool openConfiguration(const QString& path);
    // Makes a subclass current and shows its record in every field, the picture and the lists,
    // as selecting it does; one that is current already is shown again from its record.
    void showSubclass(quint32 number);

signals:
    // The configuration changed: an edit, an undo or redo, Open or New.
    void configurationChanged();

private slots:
    void menuNewClicked();
    void menuAboutClicked();
    void menuUpdateClicked();
    void menuConfigurationClicked();
    void on_comboBoxSubclasses_currentIndexChanged(const QString& arg1);
    void on_lineEditSubclass_textChanged(const QString& arg1);
    void on_lineEditNumOfAxles_textChanged(const QString& arg1);
    void on_buttonAddConstraint_clicked();
    void on_comboBoxInvalid_activated(const QString& arg1);
    void on_buttonSubclass_clicked();
    void on_buttonCopy_clicked();
    void on_lineEditCopy_textEdited(const QString& arg1);
    void textChanged(const QString& text);
    void receiveUnits(unsigned char weight, unsigned char length, float g);
    void on_comboBoxAddConstraint_currentTextChanged(const QString& selected_constraint);

private:
    // The subclass that edits go to: the one whose number stands in the number field, written
    // as the list writes it. Null while the field names none, such as "05" or an unused number.
    Subclass* currentSubclass();
    // Every change to a subclass record ends here.
    void subclassEdited(const Subclass& subclass);
    // Every change to the header typed by the user goes through here.
    void storeHeaderValue(HeaderPanel::Field field, const QString& value);
    // Whether the number field names a subclass, whose fields then take input.
    void setSubclassNamed(bool named);
    void showSubclassPanel();
    // The panel of a configuration without subclasses, ready for a number to be typed, and no
    // vehicle drawn.
    void showEmptySubclassPanel();
    void clearSubclassFields();
    void redisplayUnits();
    void showPicture(const Subclass* subclass);
    // Shows what a step undone or redone changed, as if the user had just made the change.
    void showStep(const StepContext::Shown& step);

    Ui::Vorlan* ui;
    Conf conf;
    // Kept with every change to conf's subclasses and axle-distance limits.
    LimitVerdicts verdicts;
    DisplayUnits units;
    std::unique_ptr<HeaderPanel> header;
    std::unique_ptr<AxleRows> axleRows;
    std::unique_ptr<ConstraintPanel> constraints;
    std::unique_ptr<SubclassLists> lists;
    std::unique_ptr<EditHistory> history;
    std::unique_ptr<FileCommands> file;
    AnalysisDock* analysis;
};
