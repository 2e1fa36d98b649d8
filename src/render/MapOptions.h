#pragma once

namespace tarvik {

// The map types, numbered as they are stored.
enum class MapType { Normal = 0, Velocity = 1, Hipsometric = 2, Elevation = 3 };

// The drawing switches of the main window's menu.
struct MapOptions {
    bool PaintRiver = true;
    bool PaintRoad = true;
    bool PaintTrack = true;
    bool PaintTraction = false;
    bool PaintSpeedLimit = false;
    bool PaintElevation = false;
    MapType Type = MapType::Velocity;
    // "Rysuj na mapie" of the legend and of the mini-map, each counted only when also enabled.
    bool LegendOnMap = false;
    bool LegendOnMapEnabled = false;
    bool MiniMapOnMap = false;
    bool MiniMapOnMapEnabled = false;
    bool PaintTransparent = true;

    bool operator==(const MapOptions&) const = default;
};

}  // namespace tarvik
