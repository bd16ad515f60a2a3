#pragma once

#include <QSize>

#include <array>
#include <cstddef>

// The four window pictures of a skin. The enumeration order is the order every
// per-surface step of the composition visits them.
enum class SurfaceId { Main, Scene, Console, Chat };

// What is fixed about a surface: the one table every other part derives from.
struct SurfaceFacts {
    SurfaceId id;
    const char* word;           // in the exported file names
    const char* descriptionKey; // in the skin description
    QSize size;
};

inline constexpr std::array<SurfaceFacts, 4> SkinSurfaceTable{{
    {SurfaceId::Main, "Main", "MainWindowImage", QSize(800, 629)},
    {SurfaceId::Scene, "Scene", "SceneWindowImage", QSize(300, 550)},
    {SurfaceId::Console, "Console", "ConsoleBorderImage", QSize(310, 105)},
    {SurfaceId::Chat, "Chat", "ChatWindowImage", QSize(438, 173)},
}};

static_assert(
    [] {
        for (std::size_t i = 0; i < SkinSurfaceTable.size(); ++i)
            if (std::size_t(SkinSurfaceTable[i].id) != i)
                return false;
        return true;
    }(),
    "the surface table is indexed by SurfaceId");

constexpr const SurfaceFacts& surfaceFacts(SurfaceId id) {
    return SkinSurfaceTable[std::size_t(id)];
}

// The export writes the bitmaps in this order (the description comes last).
inline constexpr std::array<SurfaceId, 4> SurfaceWriteOrder{SurfaceId::Main, SurfaceId::Scene,
                                                            SurfaceId::Chat, SurfaceId::Console};

// The skin description names the bitmaps in this order, top to bottom.
inline constexpr std::array<SurfaceId, 4> DescriptionLineOrder{SurfaceId::Console, SurfaceId::Scene,
                                                               SurfaceId::Chat, SurfaceId::Main};
