#pragma once

// Who the program is. The start-up, the main window, the About dialog and the tests all read
// these, so the version stands in one place only.
namespace AppIdentity {

inline constexpr char organisationName[] = "Dravlin d.o.o";
inline constexpr char organisationDomain[] = "dravlin.example";
inline constexpr char applicationName[] = "Vorlan";
inline constexpr char version[] = "3.4.3";

// The update page: https://<updateHost>/ls.php?sw=korvat-ce&ch=stable
inline constexpr char updateHost[] = "updates.dravlin.example";
inline constexpr char updatePath[] = "/ls.php";
inline constexpr char updateProduct[] = "korvat-ce";
inline constexpr char updateChannel[] = "stable";

} // namespace AppIdentity

// Gives the application object its organisation, name and version, in that order.
void applyApplicationIdentity();

// Registers the embedded icon and vehicle bitmaps, which live in a static library and so must be
// pulled in by name before the first ":/res/..." path is read.
void initEmbeddedResources();
