#pragma once

namespace tarvik {

// The map types, numbered as they are stored.
enum class MapType { Normal = 0, Velocity = 1, Hipsometric = 2, Elevation = 3 };

// The drawing switches of the main window's menu, all off unless set: the program's first
// choices are those of its settings.
struct MapOptions {
    bool PaintRiver{};
    bool PaintRoad{};
    bool PaintTrack{};
    bool PaintTraction{};
    bool PaintSpeedLimit{};
    bool PaintElevation{};
    // The names of the named tracks along them; drawn in the author mode only.
    bool PaintTrackNames{};
    MapType Type{};
    // "Rysuj na mapie" of the legend and of the mini-map, each counted only when also enabled.
    bool LegendOnMap{};
    bool LegendOnMapEnabled{};
    bool MiniMapOnMap{};
    bool MiniMapOnMapEnabled{};
    bool PaintTransparent{};
    // Lines and signs smoothed at their edges; off, every pixel is the pen's or the
    // background's, as the widths in whole pixels assume.
    bool Antialiased{};

    bool operator==(const MapOptions&) const = default;
};

}  // namespace tarvik
