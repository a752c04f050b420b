#pragma once

#include <QtGlobal>

#include <functional>
#include <optional>

class Conf;

// What the steps of the edit history work on: the window's configuration, and the window, which
// shows each step undone or redone as if the user had just made it.
struct StepContext
{
    // What a step undone or redone changed, so that the window shows the right part again.
    struct Shown
    {
        enum class Change
        {
            record,  // a subclass record changed
            added,   // a subclass is back in the configuration
            removed, // a subclass left the configuration
            header,  // a header value
            g        // the g that weights in tonnes are shown with
        };
        Shown(Change change, quint32 subclass = 0, int position = -1,
              std::optional<quint32> shownBefore = std::nullopt)
            : change(change), subclass(subclass), position(position), shownBefore(shownBefore)
        {
        }

        Change change;
        quint32 subclass;
        int position; // added: its place in the subclass list
        // removed: the subclass to show instead, while it exists
        std::optional<quint32> shownBefore;
    };

    Conf& conf;
    std::function<void(const Shown&)> show;
};
