#pragma once

#include <QCursor>
#include <QGuiApplication>
#include <array>

namespace tarvik {

// The application's cursor slots by number. Slots 1 to 13 are the map's tool and edge-band
// cursors, drawn by the program; 20, 21 and 22 are the busy cursors of loading,
// recalculating and drawing. A slot without a cursor gives the arrow.
class CursorTable {
  public:
    static constexpr int kZoomIn = 1;
    static constexpr int kIdentify = 2;
    static constexpr int kHand = 3;
    static constexpr int kGrab = 4;
    static constexpr int kCentreOnly = 5;
    static constexpr int kBandLeft = 6;
    static constexpr int kBandRight = 7;
    static constexpr int kBandTop = 8;
    static constexpr int kBandBottom = 9;
    static constexpr int kCornerTopLeft = 10;
    static constexpr int kCornerBottomLeft = 11;
    static constexpr int kCornerTopRight = 12;
    static constexpr int kCornerBottomRight = 13;
    static constexpr int kLoading = 20;
    static constexpr int kRecalculating = 21;
    static constexpr int kDrawing = 22;

    // Needs a GUI application: the cursors are drawn into pixmaps.
    CursorTable();

    const QCursor& Cursor(int slot) const;

  private:
    static constexpr int kSlots = 23;
    std::array<QCursor, kSlots> slots_;
};

// The application-wide cursor for the length of a scope, whatever ends it.
class OverrideCursor {
  public:
    explicit OverrideCursor(const QCursor& cursor) { QGuiApplication::setOverrideCursor(cursor); }
    ~OverrideCursor() { QGuiApplication::restoreOverrideCursor(); }
    OverrideCursor(const OverrideCursor&) = delete;
    OverrideCursor& operator=(const OverrideCursor&) = delete;
};

}  // namespace tarvik
