#pragma once

#include "model/droppedkey.h"
#include "model/subclass.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

class QTextCodec;

// The [classes] section: header key text to value text, in key order.
using ClassesHeader = QMap<QString, QString>;

// A whole vehicle-classification configuration: the header and the subclasses by number.
// A plain value, copied and assigned whole.
class Conf
{
public:
    enum class MaxAxleDistance
    {
        valid,
        invalid,
        lower_than_subclasses
    };
    enum class SaveOutcome
    {
        save_ok,
        subclass_incomplete,
        header_invalid
    };
    struct SaveCheck
    {
        SaveOutcome outcome = SaveOutcome::save_ok;
        quint32 subclass = 0; // the first incomplete subclass, with subclass_incomplete
    };

    Conf();
    // Reads a configuration file. Never fails: what cannot be read is simply not there, and
    // where the reading stopped early is kept (stopped_at_line), as are the key lines whose
    // values a save would not write back (dropped_keys).
    explicit Conf(const QString& path);
    // The same from the bytes of a file.
    static Conf from_bytes(const QByteArray& bytes);

    // The encoding of configuration files, for the header, the subclass sections and writing.
    static QTextCodec* file_codec();

    // The 1-based line at which reading the file stopped, and its text; 0 and the empty text
    // when the whole file was read.
    int stopped_at_line() const { return stopped_line; }
    const QString& stopped_line_text() const { return stopped_text; }
    // The key lines of subclass sections that the configuration does not hold, in line order:
    // saving it over its file would lose them.
    const QVector<DroppedKey>& dropped_keys() const { return dropped; }
    // Forgets what the reading lost (stopped_at_line and dropped_keys), as once the file is
    // written anew.
    void clear_read_losses();

    // Subclasses.
    QList<quint32> get_subclass_numbers() const { return subclasses.keys(); }
    // Every subclass by number, for reading them all in order.
    const QMap<quint32, Subclass>& all_subclasses() const { return subclasses; }
    bool has_subclass(quint32 number) const { return subclasses.contains(number); }
    Subclass& get_subclass(quint32 number);
    const Subclass& get_subclass(quint32 number) const;
    void insert_subclass(quint32 number, const Subclass& subclass);
    void remove_subclass(quint32 number) { subclasses.remove(number); }
    int subclass_count() const { return subclasses.size(); }

    // Header.
    const ClassesHeader& header() const { return classes; }
    void set_header_value(const QString& key, const QString& value) { classes.insert(key, value); }

    QString get_classification_version() const;
    void set_classification_version(const QString& value);
    QString get_country_code() const;
    void set_country_code(const QString& value);
    QString get_group_max_distance__m() const;
    void set_group_max_distance__m(const QString& value);
    QString get_min_2axle_truck_spacing__m() const;
    void set_min_2axle_truck_spacing__m(const QString& value);
    QString get_min_avg_axle_weight__kN() const;
    void set_min_avg_axle_weight__kN(const QString& value);
    QString get_max_axle_distance__m() const;
    void set_max_axle_distance__m(const QString& value);
    QString get_min_axle_distance__m() const;
    void set_min_axle_distance__m(const QString& value);
    QString get_unclassified_vehicle_subclass() const;
    void set_unclassified_vehicle_subclass(const QString& value);
    QString get_uncategorised_vehicle_category() const;
    void set_uncategorised_vehicle_category(const QString& value);
    QString get_g_acceleration_constant() const;
    void set_g_acceleration_constant(const QString& value);

    // Header rules.
    bool is_g_acceleration_constant_valid() const;
    bool is_group_max_distance_valid() const;
    bool is_country_code_valid() const;
    bool is_unclassified_vehicle_subclass_valid() const;
    bool is_uncategorised_vehicle_category_valid() const;
    bool is_min_2axle_truck_spacing_valid() const;
    bool is_min_avg_axle_weight_valid() const;
    bool is_min_axle_distance_valid() const;
    MaxAxleDistance check_max_axle_distance() const;
    // The same, given the highest max. axle distance the subclasses hold.
    MaxAxleDistance check_max_axle_distance(float highest_subclass_max) const;
    // The highest entry of every subclass's max. axle distances; -infinity without any.
    float highest_max_distance() const;
    bool is_header_valid_for_saving() const;

    const QStringList& get_country_codes() const;

    // Writing and the checks before saving.
    QString to_text() const;
    // Writes to_text() in the file encoding, replacing the file only once the whole text is
    // written. On failure the file is untouched and error, if given, gets the system's reason.
    bool write_to_file(const QString& path, QString* error = nullptr) const;
    // Empty when no two subclasses are duplicates, otherwise "A = B" for the first pair.
    QString find_duplicate_subclasses() const;
    // The plain comparison of every pair, kept as the reference for faster searches.
    QString find_duplicate_subclasses_pairwise() const;
    static bool subclasses_equal(const Subclass& x, const Subclass& y);
    static bool is_complete_for_saving(const Subclass& subclass);
    SaveCheck validate_for_saving() const;
    // The subclasses that is_subclass_valid rejects against this header, ascending.
    QList<quint32> invalid_subclass_numbers() const;
    // Empty when to_text() reads back to the same text; otherwise which section and line
    // would not survive a save and a new open.
    QString round_trip_problem() const;
    // The same found by reading back the whole text at once, kept as the reference: the check
    // above reads back one section at a time where that gives the same answer.
    QString round_trip_problem_whole_text() const;

private:
    friend class ConfReader;
    QString header_value(const char* key) const;
    // The [classes] section as to_text() writes it, with the empty line after it.
    QString header_text() const;
    // Whether every section of the written text reads back on its own as it does within the
    // whole text.
    bool sections_read_back_alone() const;
    // A text without a [classes] section read from its bytes, without looking for one.
    static Conf from_section_bytes(const QByteArray& bytes);

    QMap<quint32, Subclass> subclasses;
    ClassesHeader classes;
    int stopped_line = 0;
    QString stopped_text;
    QVector<DroppedKey> dropped;
};
