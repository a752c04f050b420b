#pragma once

#include "model/textlist.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <memory>

// One vehicle subclass: a [subclass_N] section of a configuration file.
// Every value is kept as the text that stands (or will stand) in the file, in file units
// (kN, m). Setters never refuse a value; the validators say whether it is acceptable.
class Subclass
{
public:
    using Section = QMap<QString, QString>;

    // The largest axle count a subclass may have. Lists are never padded, and per-axle loops
    // never run, past what this many axles use, whatever number_of_axles says.
    static constexpr int max_axles = 20;

    Subclass();
    Subclass(const Subclass& other);
    Subclass& operator=(const Subclass& other);
    Subclass(Subclass&& other) noexcept;
    Subclass& operator=(Subclass&& other) noexcept;
    ~Subclass();

    // Builds a record from the key/value lines of one section, as the file reader and the
    // window's New command do.
    static Subclass from_section(const Section& section);

    quint32 get_number() const { return number; }
    void set_number(quint32 value) { number = value; }

    // Scalar values.
    QString get_number_of_axles() const;
    void set_number_of_axles(const QString& value);
    QString get_axle_configuration() const;
    void set_axle_configuration(const QString& value);
    QString get_category() const;
    void set_category(const QString& value);
    QString get_max_GVW__kN() const;
    void set_max_GVW__kN(const QString& value);
    QString get_upper_GVW_limit__kN() const;
    void set_upper_GVW_limit__kN(const QString& value);
    QString get_reclassify_up_to_subclass() const;
    void set_reclassify_up_to_subclass(const QString& value);
    QString get_lower_GVW_limit__kN() const;
    void set_lower_GVW_limit__kN(const QString& value);
    QString get_reclassify_down_to_subclass() const;
    void set_reclassify_down_to_subclass(const QString& value);
    QString get_prepend__m() const;
    void set_prepend__m(const QString& value);
    QString get_append__m() const;
    void set_append__m(const QString& value);
    QString get_alias() const;
    void set_alias(const QString& value);
    QString get_override_class() const;
    void set_override_class(const QString& value);
    QString get_override_groups() const;
    void set_override_groups(const QString& value);
    QString get_adsl_0() const;
    void set_adsl_0(const QString& value);
    QString get_awsl_0() const;
    void set_awsl_0(const QString& value);

    // The scalar keys the record holds with their values. Made on first use and kept up to date
    // for as long as the record lives; the checks that run over every subclass use the two
    // functions below instead, which make nothing.
    const Section& scalar_values() const;
    // The same map made anew and not kept, for reading every subclass of a table.
    Section scalar_section() const;
    // Whether both hold as many scalar values and the same values in key order (the keys
    // themselves are not compared).
    bool scalar_values_match(const Subclass& other) const;
    uint scalar_values_hash() const;

    bool is_number_of_axles_valid() const;
    bool is_axle_configuration_valid() const;
    bool is_category_valid() const;
    bool is_max_GVW_valid() const;
    bool is_reclassify_up_valid(const QString& target_number_of_axles) const;
    bool is_reclassify_down_valid(const QString& target_number_of_axles) const;
    bool can_draw() const;

    // Per-axle lists: weight and tyre entry i belong to axle i + 1, distance entry i to the
    // gap between axles i + 1 and i + 2. A getter asked for an entry the list does not hold
    // logs a warning and returns the empty text; a setter given such an index appends.
    QString get_max_axle_weight_at_index(int index) const;
    QString get_min_distance_at_index(int index) const;
    QString get_max_distance_at_index(int index) const;
    QString get_tyre_type_at_index(int index) const;
    void set_max_axle_weight_at_index(const QString& value, int index);
    void set_min_distance_at_index(const QString& value, int index);
    void set_max_distance_at_index(const QString& value, int index);
    void set_tyre_type_at_index(const QString& value, int index);
    void remove_last_max_axle_weight();
    void remove_last_min_distance();
    void remove_last_max_distance();
    void remove_last_tyre_type();
    int max_axle_weight_count() const { return max_axle_weights.size(); }
    int min_distance_count() const { return min_distances.size(); }
    int max_distance_count() const { return max_distances.size(); }
    int tyre_type_count() const { return tyre_types.size(); }
    float sum_max_axle_weights() const;
    float sum_min_distances() const;
    float sum_max_distances() const;
    // The highest of every max. axle distance entry, spare ones included; entries that read as
    // not-a-number count for nothing, and without any the result is -infinity.
    float highest_max_distance() const;
    bool is_max_axle_weight_valid(int index) const;
    bool is_tyre_type_valid(int index) const;
    bool is_min_distance_valid(int index, const QString& header_min,
                               const QString& header_max) const;
    bool is_max_distance_valid(int index, const QString& header_min,
                               const QString& header_max) const;

    // Takes apart the text of max_axle_weight__kN into axle weights and combined weight limits.
    void parse_max_axle_weights(const QString& text);

    // The lists as QStringLists, made on first use and kept up to date like scalar_values().
    const QStringList& get_max_axle_weights() const;
    const QStringList& get_min_distances() const;
    const QStringList& get_max_distances() const;
    const QStringList& get_tyre_types() const;
    void set_max_axle_weights(const QStringList& list);
    void set_min_distances(const QStringList& list);
    void set_max_distances(const QStringList& list);
    void set_tyre_types(const QStringList& list);
    // The same lists as they are kept, for reading without making a QStringList.
    const TextList& max_axle_weight_texts() const { return max_axle_weights; }
    const TextList& min_distance_texts() const { return min_distances; }
    const TextList& max_distance_texts() const { return max_distances; }
    const TextList& tyre_type_texts() const { return tyre_types; }

    // Combined constraints; kind is "default", "adsl" or "awsl". Index -1 (or any index the
    // list does not hold) given to set_constraint appends.
    QString get_constraint(int index, const QString& kind) const;
    int get_constraint_count(const QString& kind) const;
    void set_constraint(const QString& value, int index, const QString& kind);
    void delete_constraint(int index, const QString& kind);
    bool is_constraint_valid(int index, const QString& kind) const;
    bool is_adsl_0_valid() const;
    bool is_awsl_0_valid() const;

    // Whole-subclass validity against the header's min and max axle distance texts.
    bool is_subclass_valid(const QString& header_min, const QString& header_max) const;
    // is_subclass_valid apart from the header's axle-distance limits, and what the limits then
    // judge, from one reading of the subclass.
    struct LimitFreeVerdict
    {
        bool valid = false;         // is_subclass_valid against limits of -infinity and infinity
        float lowest = 0.0f;        // of a valid one: the lowest min. distance of its gaps
        float highest = 0.0f;       // and the highest max. distance
        float highest_entry = 0.0f; // highest_max_distance()
    };
    LimitFreeVerdict judge_apart_from_limits() const;

    // Whether a value holds a line break, which would break its line in the written file.
    bool holds_line_break() const;

    // The section exactly as the writer puts it into a file, ending with its line end.
    QString section_text() const;
    void append_section_text(QString& text) const;

private:
    friend class SectionReader;
    struct Views;
    // The scalar keys, in key order: the order of the slots in scalars.
    enum Scalar
    {
        adsl_0_key,
        alias_key,
        append_key,
        awsl_0_key,
        axle_configuration_key,
        category_key,
        lower_GVW_key,
        max_GVW_key,
        number_of_axles_key,
        override_class_key,
        override_groups_key,
        prepend_key,
        reclassify_down_key,
        reclassify_up_key,
        upper_GVW_key,
        scalar_count
    };
    static const QString& scalar_key(int slot);

    // is_subclass_valid on the distance lists as read; when it holds, *lowest and *highest get the
    // lowest min. and the highest max. distance of the gaps.
    bool judge(float header_min, float header_max, const TextList::Floats& mins,
               const TextList::Floats& maxes, float* lowest, float* highest) const;
    // Its per-axle part: is_min_distance_valid and then is_max_distance_valid of every gap, then
    // is_max_axle_weight_valid and is_tyre_type_valid of every axle.
    bool are_axles_valid(qint64 axles, float header_min, float header_max,
                         const TextList::Floats& mins, const TextList::Floats& maxes, float* lowest,
                         float* highest) const;
    // Every combined constraint of the three kinds, in the order is_subclass_valid judges them.
    bool are_constraints_valid() const;
    // is_constraint_valid of an entry the list holds.
    bool is_constraint_entry_valid(const TextList& list, int index) const;
    // A scalar value read as QString::toFloat would read it.
    float scalar_float(Scalar slot) const { return scalars.float_at(slot); }
    // What set_number_of_axles does to the lists.
    void pad_lists(const QString& number_of_axles);
    // The axle weights and the combined weight limits in a max_axle_weight__kN text, with the
    // warnings of parse_max_axle_weights.
    template <typename View>
    static void parse_weights(View text, quint32 number, TextList::Builder& weights,
                              TextList::Builder& limits);
    QString scalar(Scalar slot) const;
    void set_scalar(Scalar slot, const QString& value);
    TextList* constraint_list(const QString& kind);
    const TextList* constraint_list(const QString& kind) const;
    // Brings the QStringLists and the map handed out so far up to date after a change.
    void refresh_views();
    // The per-axle lists by number: weights, min and max distances, tyre types.
    const TextList& list_of(int which) const;
    const QStringList& list_view(int which) const;

    quint32 number = 0;
    // Which scalar keys the record holds; a key it holds may have the empty value.
    quint16 present = 0;
    TextList scalars; // one entry per slot, the empty text where the key is not held
    TextList max_axle_weights;
    TextList min_distances;
    TextList max_distances;
    TextList tyre_types;
    TextList combined_weight_limits;
    TextList combined_distance_constraints;
    TextList combined_weight_constraints;
    mutable std::unique_ptr<Views> views;
};
