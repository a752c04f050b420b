#include "model/vehiclereader.h"

#include <QIODevice>
#include <QtNumeric>

#include <charconv>

namespace {

// Longer lines are unreadable records, so a stray binary file cannot make a line take memory.
constexpr int longest_line = 65536;
constexpr int traffic_monitoring_axles = 13;

enum class Parsed
{
    empty,
    ok,
    not_number,
    not_finite,
    negative
};

void trim(const char*& text, int& length)
{
    while (length > 0 && (*text == ' ' || *text == '\t' || *text == '"')) {
        ++text;
        --length;
    }
    while (length > 0 &&
           (text[length - 1] == ' ' || text[length - 1] == '\t' || text[length - 1] == '"'))
        --length;
}

bool plain_decimal(const char* text, int length)
{
    int digits = 0, points = 0;
    for (int i = 0; i < length; ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            ++digits;
        else if (text[i] == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

// A number exactly as QString::toDouble reads it (QString::toFloat is this, then single
// precision): plain decimals directly, anything else through the toolkit.
Parsed parse_real(const char* text, int length, double& value)
{
    trim(text, length);
    if (length == 0)
        return Parsed::empty;
    bool ok = false;
    if (plain_decimal(text, length)) {
        const auto result = std::from_chars(text, text + length, value);
        ok = result.ec == std::errc() && result.ptr == text + length;
    }
    if (!ok)
        value = QString::fromLatin1(text, length).toDouble(&ok);
    if (!qIsFinite(value))
        return Parsed::not_finite;
    if (!ok)
        return Parsed::not_number;
    return value < 0 ? Parsed::negative : Parsed::ok;
}

// Whole numbers of digits only, as a count, a code or a subclass number is written.
Parsed parse_whole(const char* text, int length, quint64 largest, quint64& value)
{
    trim(text, length);
    if (length == 0)
        return Parsed::empty;
    value = 0;
    for (int i = 0; i < length; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return Parsed::not_number;
        value = value * 10 + quint64(text[i] - '0');
        if (value > largest)
            return Parsed::not_number;
    }
    return Parsed::ok;
}

QString cell_text(const char* text, int length)
{
    trim(text, length);
    constexpr int shown = 24;
    return length > shown ? QString::fromLatin1(text, shown) + QStringLiteral("...")
                          : QString::fromLatin1(text, length);
}

QString parse_problem(Parsed parsed)
{
    switch (parsed) {
    case Parsed::not_finite:
        return QStringLiteral("not a finite number");
    case Parsed::negative:
        return QStringLiteral("negative");
    case Parsed::empty:
    case Parsed::ok:
    case Parsed::not_number:
        break;
    }
    return QStringLiteral("not a number");
}

bool named_index(const QByteArray& name, const char* stem, int count, int& index)
{
    const QByteArray prefix(stem);
    if (!name.startsWith(prefix))
        return false;
    bool ok = false;
    const int number = name.mid(prefix.size()).toInt(&ok);
    if (!ok || number < 1 || number > count ||
        name.mid(prefix.size()) != QByteArray::number(number))
        return false;
    index = number - 1;
    return true;
}

} // namespace

QString VehicleReader::CellName::text() const
{
    const QString named = QString::fromLatin1(pattern);
    if (named.contains(QLatin1String("%3")))
        return named.arg(number).arg(first).arg(last);
    return named.contains(QLatin1String("%1")) ? named.arg(number) : named;
}

VehicleReader::VehicleReader(QIODevice& device, const VehicleUnits& units)
    : device(device), units(units)
{
    line.reserve(256);
}

bool VehicleReader::read_line()
{
    line.resize(longest_line + 1);
    const qint64 length = device.readLine(line.data(), line.size());
    if (length < 0) {
        line.clear();
        return false;
    }
    ++line_number;
    line.resize(int(length));
    line_too_long = false;
    if (length == longest_line && !line.endsWith('\n')) {
        // The rest of the line is skipped a piece at a time.
        line_too_long = true;
        char rest[4096];
        qint64 piece = 0;
        while ((piece = device.readLine(rest, sizeof rest)) > 0 && rest[piece - 1] != '\n') {
        }
    }
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return true;
}

bool VehicleReader::fail(const QString& problem)
{
    record_problem = problem;
    return false;
}

void VehicleReader::read_header()
{
    const QList<QByteArray> names = line.split(',');
    roles.fill(Role(), names.size());
    bool has_axles = false;
    for (int column = 0; column < names.size(); ++column) {
        const QByteArray name = names.at(column).trimmed().replace('"', QByteArray());
        Role& role = roles[column];
        int index = 0;
        if (name == "axles") {
            role = {Column::axles, 0};
            has_axles = true;
        } else if (name == "gvw") {
            role = {Column::gvw, 0};
        } else if (name == "truth") {
            role = {Column::truth, 0};
        } else if (named_index(name, "spacing_", VehicleRecord::max_axles - 1, index)) {
            role = {Column::spacing, index};
            spacing_columns |= 1u << index;
        } else if (named_index(name, "weight_", VehicleRecord::max_axles, index)) {
            role = {Column::weight, index};
        } else if (named_index(name, "tyre_", VehicleRecord::max_axles, index)) {
            role = {Column::tyre, index};
        }
    }
    if (!has_axles)
        whole_problem = QStringLiteral("line %1: the header row has no axles column; a vehicle "
                                       "file starts with a header row naming its columns, or "
                                       "with a W record")
                            .arg(line_number);
}

VehicleReader::Status VehicleReader::next(VehicleRecord& record)
{
    if (!whole_problem.isEmpty())
        return Status::end;
    while (read_line()) {
        if (line.trimmed().isEmpty())
            continue;
        if (file_format == Format::unknown) {
            if (line.startsWith('W')) {
                file_format = Format::traffic_monitoring;
            } else {
                file_format = Format::csv;
                read_header();
                if (!whole_problem.isEmpty())
                    return Status::end;
                continue;
            }
        }
        record = VehicleRecord();
        record.line = line_number;
        record.weight.fill(qQNaN());
        record_problem.clear();
        if (line_too_long) {
            record_problem =
                QStringLiteral("the line is longer than %1 characters").arg(longest_line);
            return Status::unreadable;
        }
        const bool read =
            file_format == Format::csv ? read_csv(record) : read_traffic_monitoring(record);
        return read ? Status::record : Status::unreadable;
    }
    return Status::end;
}

bool VehicleReader::store_spacing(VehicleRecord& record, int index, double metres,
                                  const CellName& name, const char* text, int length)
{
    const float read = VehicleRecord::single(metres);
    if (!qIsFinite(read))
        return fail(QStringLiteral("%1 is %2, not a finite number")
                        .arg(name.text(), cell_text(text, length)));
    record.written_spacing[index] = metres;
    record.spacing[index] = read;
    return true;
}

bool VehicleReader::set_weight(double& written, float& read, const char* text, int length,
                               const CellName& name, const VehicleUnits& in)
{
    double value = 0;
    const Parsed parsed = parse_real(text, length, value);
    if (parsed == Parsed::empty)
        return true;
    if (parsed != Parsed::ok)
        return fail(QStringLiteral("%1 is %2, %3")
                        .arg(name.text(), cell_text(text, length), parse_problem(parsed)));
    written = in.kilonewtons(value);
    read = VehicleRecord::single(written);
    if (!qIsFinite(read))
        return fail(QStringLiteral("%1 is %2, not a finite number")
                        .arg(name.text(), cell_text(text, length)));
    return true;
}

bool VehicleReader::set_gvw(VehicleRecord& record, const char* text, int length,
                            const CellName& name, const VehicleUnits& in)
{
    double written = qQNaN();
    float read = qQNaN();
    if (!set_weight(written, read, text, length, name, in))
        return false;
    record.has_gvw = read == read;
    record.written_gvw = written;
    record.gvw = read;
    return true;
}

bool VehicleReader::read_csv(VehicleRecord& record)
{
    struct Cell
    {
        const char* text;
        int length;
    };
    Cell spacings[VehicleRecord::max_axles - 1] = {};
    const char* axles_text = nullptr;
    int axles_length = 0;

    const char* const end = line.constData() + line.size();
    const char* start = line.constData();
    for (int column = 0; start <= end; ++column) {
        const char* stop = start;
        while (stop < end && *stop != ',')
            ++stop;
        const int length = int(stop - start);
        const Role role = column < roles.size() ? roles.at(column) : Role();
        switch (role.column) {
        case Column::ignored:
            break;
        case Column::axles:
            axles_text = start;
            axles_length = length;
            break;
        case Column::spacing:
            spacings[role.index] = {start, length};
            break;
        case Column::weight:
            if (!set_weight(record.written_weight[role.index], record.weight[role.index], start,
                            length, {"weight_%1", role.index + 1}, units))
                return false;
            break;
        case Column::gvw:
            if (!set_gvw(record, start, length, {"gvw"}, units))
                return false;
            break;
        case Column::tyre: {
            quint64 code = 0;
            const Parsed parsed = parse_whole(start, length, 4, code);
            if (parsed == Parsed::empty)
                break;
            if (parsed != Parsed::ok || code < 1)
                return fail(QStringLiteral("tyre_%1 is %2, must be 1 to 4")
                                .arg(role.index + 1)
                                .arg(cell_text(start, length)));
            record.tyre[role.index] = quint8(code);
            break;
        }
        case Column::truth: {
            quint64 truth = 0;
            const Parsed parsed = parse_whole(start, length, 0xffffffffu, truth);
            if (parsed == Parsed::empty)
                break;
            if (parsed != Parsed::ok)
                return fail(QStringLiteral("truth is %1, not a subclass number")
                                .arg(cell_text(start, length)));
            record.has_truth = true;
            record.truth = quint32(truth);
            break;
        }
        }
        start = stop + 1;
    }

    quint64 axles = 0;
    const Parsed parsed =
        axles_text ? parse_whole(axles_text, axles_length, VehicleRecord::max_axles, axles)
                   : Parsed::empty;
    if (parsed == Parsed::empty)
        return fail(QStringLiteral("axles is empty"));
    if (parsed != Parsed::ok || axles < 2)
        return fail(QStringLiteral("axles is %1, must be 2 to %2")
                        .arg(cell_text(axles_text, axles_length))
                        .arg(VehicleRecord::max_axles));
    record.axles = int(axles);
    for (int i = 0; i + 1 < record.axles; ++i) {
        const CellName name{"spacing_%1", i + 1};
        if (!(spacing_columns & (1u << i)))
            return fail(QStringLiteral("the file has no %1 column").arg(name.text()));
        const char* text = spacings[i].text;
        const int length = spacings[i].length;
        double written = 0;
        const Parsed parsed = parse_real(text, length, written);
        if (parsed == Parsed::empty)
            return fail(name.text() + QStringLiteral(" is empty"));
        if (parsed != Parsed::ok)
            return fail(QStringLiteral("%1 is %2, %3")
                            .arg(name.text(), cell_text(text, length), parse_problem(parsed)));
        if (!store_spacing(record, i, units.metres(written), name, text, length))
            return false;
    }
    return true;
}

bool VehicleReader::read_traffic_monitoring(VehicleRecord& record)
{
    // Columns are counted from 1, as the format describes them.
    const auto field = [this](int first, int last, const char*& text, int& length) {
        text = line.constData() + first - 1;
        length = qMax(0, qMin(last, line.size()) - first + 1);
    };
    if (!line.startsWith('W'))
        return fail(QStringLiteral("the line is not a W record"));
    // Feet and pounds, whatever units the caller gave.
    VehicleUnits imperial = units;
    imperial.length = VehicleUnits::Length::ft;
    imperial.weight = VehicleUnits::Weight::lb;
    const char* text = nullptr;
    int length = 0;
    quint64 number = 0;

    field(33, 34, text, length);
    const Parsed axles = parse_whole(text, length, traffic_monitoring_axles, number);
    if (axles != Parsed::ok || number < 2)
        return fail(QStringLiteral("the axle count (columns 33-34) is %1, must be 2 to %2")
                        .arg(cell_text(text, length))
                        .arg(traffic_monitoring_axles));
    record.axles = int(number);
    const int needed = 39 + 9 * (record.axles - 1);
    if (line.size() < needed)
        return fail(QStringLiteral("the record of %1 axles is %2 characters long, needs %3")
                        .arg(record.axles)
                        .arg(line.size())
                        .arg(needed));

    field(22, 23, text, length);
    const Parsed vehicle_class = parse_whole(text, length, 99, number);
    if (vehicle_class == Parsed::not_number)
        return fail(QStringLiteral("the vehicle class (columns 22-23) is %1, not a number")
                        .arg(cell_text(text, length)));
    record.scheme_class = vehicle_class == Parsed::ok ? int(number) : -1;

    field(27, 32, text, length);
    if (!set_gvw(record, text, length, {"the GVW (columns 27-32)"}, imperial))
        return false;

    for (int k = 0; k < record.axles; ++k) {
        const int column = 35 + 9 * k;
        field(column, column + 4, text, length);
        if (!set_weight(record.written_weight[k], record.weight[k], text, length,
                        {"the weight of axle %1 (columns %2-%3)", k + 1, column, column + 4},
                        imperial))
            return false;
        if (k + 1 == record.axles)
            break;
        field(column + 5, column + 8, text, length);
        const CellName name{"the spacing after axle %1 (columns %2-%3)", k + 1, column + 5,
                            column + 8};
        const Parsed parsed = parse_whole(text, length, 9999, number);
        if (parsed == Parsed::empty)
            return fail(name.text() + QStringLiteral(" is empty"));
        if (parsed != Parsed::ok)
            return fail(
                QStringLiteral("%1 is %2, not a number").arg(name.text(), cell_text(text, length)));
        // Tenths of feet, read as the feet they stand for: 151 as 15.1.
        if (!store_spacing(record, k, imperial.metres(double(number) / 10), name, text, length))
            return false;
    }
    return true;
}
