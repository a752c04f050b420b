#pragma once

#include <QString>
#include <QWidget>

#include <memory>

class ClassificationTally;
class QAction;
class Conf;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class VehicleSample;
class VehiclesTable;

// The "Vehicles" tab: a file of measured vehicles, loaded with a progress dialog that can be
// cancelled, run through the configuration: the counts per subclass, a summary, and the
// confusion matrix when the vehicles carry true subclasses (or, for traffic monitoring records,
// the outcomes by the records' own vehicle class). Export writes the counts as CSV.
class VehiclesView : public QWidget
{
    Q_OBJECT

public:
    // load is the command that loads a file, for the tab's own button.
    explicit VehiclesView(QAction* load, QWidget* parent = nullptr);
    ~VehiclesView() override;

    // Reads a vehicle file, lengths and weights of a CSV file in the units the tab's choosers
    // give; tonnes and kilograms weigh through the configuration's g. A cancelled or failed
    // load keeps the vehicles loaded before. True when vehicles were loaded.
    bool load(const QString& path, const Conf& conf);
    // Runs the loaded vehicles through the configuration again.
    void reclassify(const Conf& conf);
    // Null until a file is loaded.
    const VehicleSample* sample() const { return vehicles.get(); }
    // Asks for a file name and writes the counts as CSV.
    void exportCounts();

signals:
    void subclassChosen(quint32 number);

private:
    void showSummary(const ClassificationTally& tally, int notApplied);
    void fillMatrix(const ClassificationTally& tally);

    std::unique_ptr<const VehicleSample> vehicles;
    QString fileName;
    QComboBox* lengthUnit;
    QComboBox* weightUnit;
    QPushButton* exportButton;
    QLabel* summary;
    VehiclesTable* table;
    QLabel* matrixCaption;
    QTableWidget* matrix;
};
