#pragma once

#include "model/conf.h"
#include "units/displayunits.h"

#include <QMainWindow>
#include <QString>

#include <array>

class MeasurementUnits;
class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class Subclass;

namespace Ui {
class Vorlan;
}

// The editor's main window: the header, the subclass panel with its per-axle and constraint
// editors, and the two vehicle pictures. It owns the configuration being edited.
class Vorlan : public QMainWindow
{
    Q_OBJECT

public:
    explicit Vorlan(QWidget* parent = nullptr);
    ~Vorlan() override;

    const Conf& configuration() const { return conf; }
    const DisplayUnits& displayUnits() const { return units; }

    // Reads the configuration file at path and shows it, as the Open command does once a file
    // is chosen. A file read only in part is shown as far as it was read, with a warning.
    void openConfiguration(const QString& path);

private slots:
    void menuNewClicked();
    void menuOpenClicked();
    void menuSaveClicked();
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
    using UnitKind = DisplayUnits::Kind;
    // Which way a constraint text is converted.
    enum class Direction
    {
        toDisplay,
        toFile
    };

    using HeaderCheck = bool (Conf::*)() const;
    using HeaderMaxCheck = Conf::MaxAxleDistance (Conf::*)() const;
    using HeaderStore = void (Conf::*)(const QString&);

    // Validation feedback.
    void connectHeaderEdits();
    // Whether the edit's style sheet has made its background red.
    static bool isShownInvalid(const QLineEdit* edit);
    void validateEdit(QLineEdit* edit, bool valid, const QString& toolTip);
    void validateTriState(QLineEdit* edit, Conf::MaxAxleDistance state);
    void validateHeaderEdit(QLineEdit* edit, HeaderCheck check, HeaderStore store,
                            const QString& toolTip);
    void validateHeaderDistance(QLineEdit* edit, HeaderCheck check, HeaderStore store);
    void validateHeaderMaxDistance(QLineEdit* edit, HeaderMaxCheck check, HeaderStore store);
    QLineEdit* lineEditAt(QFrame* frame, int index) const;
    void hideCheckBox(QWidget* widget);
    void hideLineEdit(QWidget* widget);
    void hideLineEditAt(QFrame* frame, int index);
    static bool isValidFloat(const QString& text);
    static bool isValidInt(const QString& text);
    // The widget at a layout position of the frame, or null when there is none.
    static QWidget* widgetAt(const QFrame* frame, int index);

    // Subclass navigation and management.
    void showSubclass(const QString& itemText);
    void refreshInvalidSubclasses();
    void updateInvalidEntry(const Subclass& subclass);
    void clearSubclassPanel();
    void resetSubclassFields();
    void showSubclassPanel();
    void clearInvalidList();
    // The panel of a configuration without subclasses, ready for a number to be typed.
    void showEmptySubclassPanel();
    void hideAllAxleRows();
    void selectPreviousSubclass();
    void selectNextSubclass();

    // Per-axle editors; row k holds the distances of gap k and the editors of axle k + 1, and
    // row 0 the editors of axle 1.
    void setupAxleEdit(QLineEdit* edit, bool real, const QString& statusTip,
                       const QString& objectName);
    QCheckBox* createAxleBox(int axle);
    void createAxleRow(Subclass& subclass, int row);
    void showAxleRow(Subclass& subclass, int row);
    void hideAxleRow(Subclass& subclass, int row);
    void validateAxleRow(const Subclass& subclass, int row);
    void applyAxleConfiguration(Subclass& subclass);
    void validateReclassifyTargets(const Subclass& subclass);
    // The axle count a reclassification target is judged by; typed is true while the user edits.
    QString reclassifyTargetAxles(const QString& target, bool typed) const;
    void showAxleRowValues(const Subclass& subclass, int row);
    void refreshAxleSums(const Subclass& subclass);
    // Lengthens the distance lists to at least gaps entries and the weight and tyre lists to at
    // least axles entries, so that every shown editor has an entry of its own.
    static void padAxleLists(Subclass& subclass, int gaps, int axles);

    // Stores an edit of a per-axle or constraint editor made at run time.
    void applyRunTimeEdit(Subclass& subclass, QObject* source, const QString& text);

    // Constraint editor.
    void setupConstraintEdit(QLineEdit* edit, const QString& statusTip, const QString& objectName,
                             const QString& kind);
    void showConstraint(QLineEdit* edit, const QString& value, bool valid, const QString& kind);
    void showSubclassConstraints(const Subclass& subclass);
    void applyConstraintEdit(QLineEdit* edit, QFrame* frame, int index, const QString& text);
    void applyTotalConstraint(QLineEdit* field, const QString& text);
    // A constraint kind as the editor knows it: its kind text, the frame of its line edits,
    // how many line edits that frame holds and the tool tip of an invalid one.
    struct ConstraintFrame
    {
        QString kind;
        QFrame* frame;
        int* editCount;
        QString toolTip;
    };
    ConstraintFrame constraintFrame(const QString& kind);
    ConstraintFrame constraintFrame(const QFrame* frame);
    // The value that Add would append, in file units, or an empty text after a refusal.
    QString newConstraintValue(const QString& axles, QString& kind);
    void refuseNewConstraint(const QString& message);
    // A combined weight limit's weight in file units; what is not a number stays as typed.
    QString weightLimitToFile(const QString& weight) const;
    QString convertTotalDistance(const QString& text, Direction direction) const;
    QString convertCombinedDistance(const QString& text, Direction direction) const;
    QString convertTotalWeight(const QString& text, Direction direction) const;
    QString convertCombinedWeight(const QString& text, Direction direction) const;
    QString convertConstraintNumber(const QString& number, UnitKind kind,
                                    Direction direction) const;

    // Display conversion: the file holds kN and m, the window shows the chosen units.
    double toDisplayedValue(const QString& fileText, UnitKind kind) const;
    void setConvertedText(QLineEdit* edit, const QString& fileText, UnitKind kind, bool valid);
    void setConvertedHeaderText(QLineEdit* edit, const QString& fileText, UnitKind kind,
                                Conf::MaxAxleDistance state);
    QString toFileText(const QString& text, UnitKind kind) const;
    QString editToFileText(const QLineEdit* edit, UnitKind kind) const;
    QString formatSum(float sum, UnitKind kind) const;
    void setUnitSuffix(QLabel* label, const QString& suffix);
    void showHeader();
    void redisplayUnits();

    // Vehicle picture.
    void drawVehiclePicture(const Subclass& subclass);
    void clearVehiclePicture();
    friend class TestVehiclePicture;

    Ui::Vorlan* ui;
    const QString validStyle = QStringLiteral("QLineEdit {background-color: lime}");
    const QString invalidStyle = QStringLiteral("QLineEdit {background-color: red}");
    QString windowTitleText;
    const std::array<QString, 3> constraintKinds = {
        QStringLiteral("Original"), QStringLiteral("Distance"), QStringLiteral("Weight")};

    // Status tips of the run-time editors.
    const QString maxDistanceStatusTip =
        tr("Accepts non-negative real values. Use decimal point. Must be higher than corresponding "
           "min. axle distance and between min. and max. axle distances defined in the header.");
    const QString minDistanceStatusTip =
        tr("Accepts non-negative real values. Use decimal point. Must be lower than corresponding "
           "max. axle distance and between min. and max. axle distances defined in the header.");
    const QString axleWeightStatusTip = tr("Accepts non-negative real values. Use decimal point.");
    const QString axleBoxStatusTip =
        tr("Used for selecting to which axles we want to apply the constraint.");
    const QString tyreTypeStatusTip =
        tr("Integer value representing tyre type. 1 for single, 2 for "
           "double, 3 for super single and 4 for quadruple.");
    const QString constraintStatusTip = tr("To remove constraint, delete the text.");

    // Tool tips of invalid fields.
    const QString countryCodeToolTip = tr("Enter a two letter ISO code.");
    const QString subclassMissingToolTip =
        tr("Subclass does not exist. Click on button \"New\" to create one");
    const QString copyTargetToolTip = tr("The subclass you wish to copy to already exists. Please "
                                         "choose a different value or delete the subclass.");
    const QString lowerThanSubclassesToolTip = tr("Value is lower than some subclasses.");
    const QString axleConfigurationToolTip =
        tr("Proper format is XaYb where X must be one of:\nA=tractor, B=bus, C=car, H=heavy "
           "truck, L=light truck, M=motorbike, V=van\nand Y is one of (D=dolly, T=trailer, "
           "S=semi-trailer).\na and b represent the number of axles on the part and must be equal "
           "to number of axles.");
    const QString numberOfAxlesToolTip = tr("Value must be between 2 and 20");
    const QString maxDistanceToolTip =
        tr("Value must be higher than corresponding min distance and "
           "between min and max distances in header.");
    const QString minDistanceToolTip = tr("Value must be lower than corresponding max distance and "
                                          "between min and max distances in header.");
    const QString combinedWeightToolTip =
        tr("Proper format is {a1+a2+...an,c} where a are axles and c is a real value representing "
           "maximum combined weight.");
    const QString tyreTypeToolTip = tr("Valid types are between 1 and 4");
    const QString reclassifyToolTip =
        tr("Subclass must exist and have the same number of axles as current.");
    const QString constraintFormatToolTip = tr("Consult Korvat refman for proper format");

    // Captions of the invalid-subclass list.
    const QString subclassesValidText = tr("Subclasses are valid.");
    const QString invalidSubclassesText = tr("Invalid subclasses:");

    Conf conf;

    DisplayUnits units;

    QFrame* currentConstraintFrame = nullptr;
    // How many constraint edits each frame holds, shown or hidden.
    int defaultConstraintEditCount = 0;
    int adslConstraintEditCount = 0;
    int awslConstraintEditCount = 0;

    MeasurementUnits* unitsDialog = nullptr;
};
