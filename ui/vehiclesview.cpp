#include "ui/vehiclesview.h"

#include "model/classificationtally.h"
#include "model/conf.h"
#include "model/vehicleclassifier.h"
#include "model/vehiclesample.h"
#include "ui/vehiclestable.h"
#include "ui/windowtext.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtNumeric>

namespace {

// Reading this much takes long enough for a progress bar to be worth showing at once; smaller
// files get one only when they turn out slow.
constexpr qint64 largeFile = 8 * 1024 * 1024;
constexpr int slowLoadMs = 500;

void warn(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.exec();
}

QString outcomeName(qint64 outcome)
{
    if (outcome == ClassificationTally::ambiguous)
        return windowText("ambiguous");
    if (outcome == ClassificationTally::unmatched)
        return windowText("unmatched");
    return QString::number(outcome);
}

QString percent(double part)
{
    return qIsFinite(part) ? QString::number(100 * part, 'f', 1) + QStringLiteral(" %")
                           : QStringLiteral("–");
}

// Subclasses ascending, then ambiguous, then unmatched.
bool outcomeBefore(qint64 x, qint64 y)
{
    if ((x >= 0) != (y >= 0))
        return x >= 0;
    return x >= 0 ? x < y : x > y;
}

bool ascending(qint64 x, qint64 y)
{
    return x < y;
}

} // namespace

VehiclesView::VehiclesView(QAction* load, QWidget* parent) : QWidget(parent)
{
    auto* loadButton = new QToolButton(this);
    loadButton->setDefaultAction(load);
    exportButton = new QPushButton(windowText("Export…"), this);
    exportButton->setObjectName(QStringLiteral("buttonExportVehicles"));
    exportButton->setStatusTip(windowText("Write the counts per subclass to a CSV file."));
    exportButton->setEnabled(false);
    lengthUnit = new QComboBox(this);
    lengthUnit->setObjectName(QStringLiteral("comboVehicleLengthUnit"));
    lengthUnit->addItems({QStringLiteral("m"), QStringLiteral("cm"), QStringLiteral("ft")});
    weightUnit = new QComboBox(this);
    weightUnit->setObjectName(QStringLiteral("comboVehicleWeightUnit"));
    weightUnit->addItems(
        {QStringLiteral("kN"), QStringLiteral("t"), QStringLiteral("kg"), QStringLiteral("lb")});
    for (QComboBox* box : {lengthUnit, weightUnit})
        box->setStatusTip(windowText("Units of the lengths and weights in a CSV vehicle file, for "
                                     "the next load. Traffic monitoring records are in feet and "
                                     "pounds."));

    // Two rows, so that the dock can be narrow.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(loadButton);
    buttons->addWidget(exportButton);
    buttons->addStretch();
    auto* csvUnits = new QHBoxLayout;
    csvUnits->addWidget(new QLabel(windowText("CSV units:"), this));
    csvUnits->addWidget(lengthUnit);
    csvUnits->addWidget(weightUnit);
    csvUnits->addStretch();

    summary = new QLabel(windowText("No measured vehicles loaded. File › Load Measured Vehicles… "
                                    "reads a CSV file or traffic monitoring weight records."),
                         this);
    summary->setObjectName(QStringLiteral("labelVehicles"));
    summary->setWordWrap(true);
    summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    table = new VehiclesTable(this);
    connect(table, &VehiclesTable::subclassChosen, this, &VehiclesView::subclassChosen);
    matrixCaption = new QLabel(this);
    matrixCaption->setObjectName(QStringLiteral("labelConfusion"));
    matrixCaption->setWordWrap(true);
    matrix = new QTableWidget(this);
    matrix->setObjectName(QStringLiteral("tableConfusion"));
    matrix->setEditTriggers(QAbstractItemView::NoEditTriggers);
    matrix->verticalHeader()->setDefaultSectionSize(matrix->fontMetrics().height() + 6);
    auto* matrixPane = new QWidget(this);
    auto* matrixLayout = new QVBoxLayout(matrixPane);
    matrixLayout->setContentsMargins(0, 0, 0, 0);
    matrixLayout->addWidget(matrixCaption);
    matrixLayout->addWidget(matrix);
    matrixPane->hide();

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(table);
    splitter->addWidget(matrixPane);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addLayout(csvUnits);
    layout->addWidget(summary);
    layout->addWidget(splitter, 1);

    connect(exportButton, &QPushButton::clicked, this, &VehiclesView::exportCounts);
}

VehiclesView::~VehiclesView() = default;

bool VehiclesView::load(const QString& path, const Conf& conf)
{
    const QString title = windowText("Load Measured Vehicles");
    VehicleUnits units;
    VehicleUnits::parse_length(lengthUnit->currentText(), units.length);
    VehicleUnits::parse_weight(weightUnit->currentText(), units.weight);
    if (!units.take_site_g(conf.get_g_acceleration_constant())) {
        warn(this, title,
             windowText("Weights in %1 need the gravitational acceleration of the header, which "
                        "is \"%2\", not a number above 0.")
                 .arg(weightUnit->currentText(), conf.get_g_acceleration_constant()));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warn(this, title,
             windowText("%1 could not be read:\n%2")
                 .arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }

    QProgressDialog progress(
        windowText("Reading measured vehicles from %1…").arg(QFileInfo(path).fileName()),
        windowText("Cancel"), 0, 1000, this);
    progress.setWindowTitle(title);
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setMinimumDuration(file.size() > largeFile ? 0 : slowLoadMs);
    auto read = std::make_unique<VehicleSample>();
    const VehicleSample::Outcome outcome =
        read->read(file, units, [&progress](qint64 done, qint64 total) {
            // Without a size, the bar still moves.
            progress.setValue(total > 0 ? int(done * 999 / total) + 1
                                        : int(qMin<qint64>(999, done >> 16)) + 1);
            return !progress.wasCanceled();
        });
    progress.reset();
    if (outcome == VehicleSample::Outcome::cancelled)
        return false;
    if (outcome == VehicleSample::Outcome::unreadable) {
        warn(this, title,
             windowText("%1 cannot be read as measured vehicles: %2")
                 .arg(QDir::toNativeSeparators(path), read->problem()));
        return false;
    }
    vehicles = std::move(read);
    fileName = QFileInfo(path).fileName();
    exportButton->setEnabled(true);
    reclassify(conf);
    return true;
}

void VehiclesView::reclassify(const Conf& conf)
{
    if (!vehicles)
        return;
    const VehicleClassifier classifier(conf);
    const ClassificationTally tally = vehicles->classify(classifier);
    table->fill(tally, vehicles->has_truth());
    showSummary(tally, classifier.not_applied().size());
    fillMatrix(tally);
}

void VehiclesView::showSummary(const ClassificationTally& tally, int notApplied)
{
    const QLocale locale = this->locale();
    QString text = windowText("%1: %2 vehicles; %3 matched one subclass, %4 ambiguous, %5 "
                              "unmatched.")
                       .arg(fileName, locale.toString(tally.readable()),
                            locale.toString(tally.matched_alone()),
                            locale.toString(tally.ambiguous_vehicles()),
                            locale.toString(tally.unmatched_vehicles()));
    if (tally.across_categories() > 0)
        text += QLatin1Char(' ') + windowText("%1 ambiguous vehicles match subclasses of more "
                                              "than one category.")
                                       .arg(locale.toString(tally.across_categories()));
    if (tally.unreadable() > 0) {
        const auto& first = tally.first_unreadable().constFirst();
        text += QLatin1Char(' ') + windowText("%1 lines could not be read, the first at line "
                                              "%2: %3.")
                                       .arg(locale.toString(tally.unreadable()))
                                       .arg(first.first)
                                       .arg(first.second);
    }
    if (tally.with_truth() > 0)
        text += QLatin1Char(' ') +
                windowText("Accuracy on %1 vehicles with a true subclass: %2 "
                           "(ambiguous and unmatched ones count as wrong).")
                    .arg(locale.toString(tally.with_truth()), percent(tally.accuracy()));
    if (vehicles->limited_at_line() > 0)
        text += QLatin1Char(' ') +
                windowText("Only the first %1 vehicles, up to line %2, are held here; "
                           "vorlan-conf classify reads a whole file.")
                    .arg(locale.toString(qint64(vehicles->records().size())))
                    .arg(vehicles->limited_at_line());
    if (notApplied > 0)
        text += QLatin1Char(' ') + windowText("%1 constraints of the table are not applied "
                                              "(reclassification by GVW and combined axle "
                                              "weight constraints are left to the site's "
                                              "system).")
                                       .arg(notApplied);
    summary->setText(text);
}

void VehiclesView::fillMatrix(const ClassificationTally& tally)
{
    // With true subclasses: true subclass by outcome; with a scheme's classes: outcome by class.
    const bool truth = tally.with_truth() > 0;
    QMap<qint64, QMap<qint64, qint64>> cells;
    if (truth) {
        const auto confusion = tally.confusion();
        for (auto row = confusion.cbegin(); row != confusion.cend(); ++row)
            for (auto cell = row->cbegin(); cell != row->cend(); ++cell)
                cells[row.key()][cell.key()] = cell.value();
    } else {
        const auto schemes = tally.scheme_classes();
        for (auto row = schemes.cbegin(); row != schemes.cend(); ++row)
            for (auto cell = row->cbegin(); cell != row->cend(); ++cell)
                cells[row.key()][cell.key()] = cell.value();
    }
    QWidget* pane = matrix->parentWidget();
    pane->setVisible(!cells.isEmpty());
    if (cells.isEmpty())
        return;

    QList<qint64> rows = cells.keys();
    QList<qint64> columns;
    for (const auto& row : qAsConst(cells))
        for (qint64 column : row.keys())
            if (!columns.contains(column))
                columns.append(column);
    std::sort(columns.begin(), columns.end(), truth ? outcomeBefore : ascending);
    std::sort(rows.begin(), rows.end(), truth ? ascending : outcomeBefore);

    matrixCaption->setText(truth ? windowText("Confusion matrix: true subclass (rows) by the "
                                              "outcome of the table (columns).")
                                 : windowText("The records' own vehicle classes (columns) by the "
                                              "outcome of the table (rows)."));
    matrix->clear();
    matrix->setRowCount(rows.size());
    matrix->setColumnCount(columns.size());
    QStringList columnNames, rowNames;
    for (qint64 column : qAsConst(columns))
        columnNames << (truth ? outcomeName(column) : windowText("class %1").arg(column));
    for (qint64 row : qAsConst(rows))
        rowNames << outcomeName(row);
    matrix->setHorizontalHeaderLabels(columnNames);
    matrix->setVerticalHeaderLabels(rowNames);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < columns.size(); ++c) {
            const qint64 vehicles = cells.value(rows.at(r)).value(columns.at(c));
            auto* item = new QTableWidgetItem(vehicles ? locale().toString(vehicles) : QString());
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (truth && rows.at(r) == columns.at(c))
                item->setBackground(QColor(200, 235, 200));
            matrix->setItem(r, c, item);
        }
    }
    matrix->resizeColumnsToContents();
}

void VehiclesView::exportCounts()
{
    QFileDialog dialog(this, windowText("Export vehicle counts"), QString(),
                       windowText("CSV (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(table->csv().toUtf8()) < 0 || !file.commit())
        warn(this, windowText("Export vehicle counts"),
             windowText("%1 could not be written:\n%2")
                 .arg(QDir::toNativeSeparators(path), file.errorString()));
}
