#include "RenderCommand.h"

#include <QImage>
#include <QPainter>
#include <QString>
#include <charconv>
#include <future>
#include <memory>
#include <optional>
#include <thread>

#include "AppSettings.h"
#include "ArgumentLists.h"
#include "CliLoading.h"
#include "ConsoleDialogs.h"
#include "LegendPicture.h"
#include "MiniMap.h"
#include "PaintMap.h"
#include "PictureWriter.h"
#include "StopSignals.h"
#include "Text.h"
#include "Translate.h"
#include "ViewState.h"

namespace tarvik {
namespace {

// Follows the load options in the usage line.
std::string RenderUsage() {
    return Translate(
        "tarvik",
        " -o PLIK [--size SZERxWYS] [--map velocity|height|gradient|plain] [--layers LISTA]\n"
        "       [--signs LISTA] [--overlays LISTA] [--no-overlays] [--transparent] [--white]\n"
        "       [--view MINX,MINY,MAXX,MAXY] [--settings PLIK]\n"
        "  LISTA: rozdzielone przecinkami; warstwy spośród tracks,roads,rivers,traction;\n"
        "  znaki spośród speed,gradient; nakładki spośród legend,minimap");
}

// Mini-map size of the viewer's window as it first opens.
constexpr int kMiniMapWidth = 165;
constexpr int kMiniMapHeight = 140;

struct RenderOptions {
    std::string output;
    int width = 800;
    int height = 600;
    MapOptions map = AppSettings{}.Map;  // as the viewer first draws
    bool noOverlays = false;
    bool white = false;
    std::optional<std::array<float, 4>> view;
    std::string settings;
};

bool ParseSize(const std::string& text, int& width, int& height) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos) return false;
    const auto number = [](std::string_view t, int& v) {
        const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
        return ec == std::errc() && ptr == t.data() + t.size() && v >= 1 && v <= 65535;
    };
    const std::string_view t = text;
    return number(t.substr(0, x), width) && number(t.substr(x + 1), height);
}

bool ParseView(const std::string& text, std::array<float, 4>& view) {
    const std::vector<std::string> parts = SplitList(text);
    if (parts.size() != 4) return false;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string& p = parts[i];
        const auto [ptr, ec] = std::from_chars(p.data(), p.data() + p.size(), view[i]);
        if (ec != std::errc() || ptr != p.data() + p.size()) return false;
    }
    return view[0] < view[2] && view[1] < view[3];
}

// Returns a problem text, or nothing when the option was taken.
std::optional<std::string> TakeRenderOption(const std::vector<std::string>& args, std::size_t& i,
                                            RenderOptions& o) {
    const std::string& a = args[i];
    const auto value = [&]() -> const std::string* {
        return i + 1 < args.size() ? &args[++i] : nullptr;
    };
    if (a == "--no-overlays") {
        o.noOverlays = true;
    } else if (a == "--transparent") {
        o.map.PaintTransparent = true;
    } else if (a == "--white") {
        o.white = true;
    } else if (a == "-o" || a == "--size" || a == "--map" || a == "--layers" || a == "--signs" ||
               a == "--overlays" || a == "--view" || a == "--settings") {
        const std::string* v = value();
        if (!v) return FormatText(Translate("tarvik", "%1 wymaga wartości"), {a});
        if (a == "-o") {
            o.output = *v;
        } else if (a == "--settings") {
            o.settings = *v;
        } else if (a == "--size") {
            if (!ParseSize(*v, o.width, o.height))
                return Translate("tarvik", "--size przyjmuje SZERxWYS, każdy wymiar od 1 do 65535");
        } else if (a == "--view") {
            std::array<float, 4> view{};
            if (!ParseView(*v, view))
                return Translate(
                    "tarvik",
                    "--view przyjmuje MINX,MINY,MAXX,MAXY, gdzie MIN jest mniejsze od MAX");
            o.view = view;
        } else if (a == "--map") {
            if (*v == "velocity") {
                o.map.Type = MapType::Velocity;
            } else if (*v == "height") {
                o.map.Type = MapType::Hipsometric;
            } else if (*v == "gradient") {
                o.map.Type = MapType::Elevation;
            } else if (*v == "plain") {
                o.map.Type = MapType::Normal;
            } else {
                return Translate("tarvik", "--map przyjmuje velocity, height, gradient lub plain");
            }
        } else if (a == "--layers") {
            KindSet layers{};
            if (auto problem = ParseLayers(*v, layers)) return problem;
            o.map.PaintTrack = layers[static_cast<int>(SegmentKind::Track)];
            o.map.PaintRoad = layers[static_cast<int>(SegmentKind::Road)];
            o.map.PaintRiver = layers[static_cast<int>(SegmentKind::River)];
            o.map.PaintTraction = layers[static_cast<int>(SegmentKind::Traction)];
        } else if (a == "--signs") {
            o.map.PaintSpeedLimit = o.map.PaintElevation = false;
            for (const std::string& item : SplitList(*v)) {
                if (item == "speed") {
                    o.map.PaintSpeedLimit = true;
                } else if (item == "gradient") {
                    o.map.PaintElevation = true;
                } else {
                    return FormatText(Translate("tarvik", "nieznany znak %1"), {item});
                }
            }
        } else {
            o.map.LegendOnMap = o.map.MiniMapOnMap = false;
            for (const std::string& item : SplitList(*v)) {
                if (item == "legend") {
                    o.map.LegendOnMap = true;
                } else if (item == "minimap") {
                    o.map.MiniMapOnMap = true;
                } else {
                    return FormatText(Translate("tarvik", "nieznana nakładka %1"), {item});
                }
            }
        }
    } else {
        return FormatText(Translate("tarvik", "nieznana opcja %1"), {a});
    }
    return std::nullopt;
}

}  // namespace

int RunRender(const std::vector<std::string>& args, std::FILE* err) {
    LoadOptions load;
    RenderOptions o;
    o.map.PaintTransparent = false;
    std::string problem;
    for (std::size_t i = 0; i < args.size() && problem.empty(); ++i) {
        if (TakeLoadOption(args, i, load, problem) != OptionResult::NotMine) continue;
        if (auto p = TakeRenderOption(args, i, o)) problem = *p;
    }
    if (problem.empty() && load.scenery.empty())
        problem = Translate("tarvik", "nie podano scenerii");
    if (problem.empty() && o.output.empty())
        problem = Translate("tarvik", "nie podano pliku wyjściowego (-o PLIK)");
    const std::optional<PictureFormat> format = PictureFormatOfName(o.output);
    if (problem.empty() && !format) {
        problem = Translate(
            "tarvik",
            "plik wyjściowy musi mieć rozszerzenie .png, .bmp, .gif, .jpg, .jpeg, .svg lub .pdf");
    }
    if (!problem.empty()) {
        TellWrongUsage(err, "render", problem, LoadUsage() + RenderUsage());
        return 2;
    }

    ConsoleDialogs dialogs(err, load.onParseError);
    AppSettings settings;
    if (!o.settings.empty()) {
        SettingsStore store(QString::fromStdString(o.settings));
        ReadFinishStartupSettings(store, settings, DesignedSizes{}, dialogs);
    }

    // The fonts are found and a first text laid out while the scenery loads, on the core that
    // the load leaves mostly idle: a legend of no ranges, thrown away.
    std::jthread fontsFound;
    if (!o.noOverlays) {
        fontsFound = std::jthread([type = o.map.Type, colors = settings.Colors] {
            MakeLegendPicture(type, SceneryRanges{}, colors);
        });
    }
    auto model = std::make_unique<TScenery>();
    TScenery& scenery = *model;
    const LoadResult result = LoadForCommand(load, scenery, err);
    if (StopSignal() != 0) return StoppedStatus();
    if (result.status == LoadStatus::Missing) return 1;
    if (result.status == LoadStatus::Failed) {
        std::fprintf(err, "%s: %s\n", kApplicationTitle, result.error.c_str());
    }

    const TWorkMode mode = load.Mode();
    o.map.LegendOnMapEnabled = o.map.LegendOnMap;
    o.map.MiniMapOnMapEnabled = o.map.MiniMapOnMap;
    // No grids: they pay for themselves over the viewer's many drawings, while one picture
    // walks each list about once and building them walks it three times and sorts.
    const MapSources sources{scenery, o.map, settings.Colors, mode};
    const SceneryBounds& bounds = scenery.Bounds();
    ViewState view{bounds.SceneryMin, bounds.SceneryMax, 0};
    if (o.view) view = {{(*o.view)[0], (*o.view)[1]}, {(*o.view)[2], (*o.view)[3]}, 0};

    MiniMap miniMap;
    // Drawn beside the map on a thread of its own, and framed once the map's layers are drawn.
    std::future<MiniMap::Drawing> miniMapDrawing;
    if (o.map.MiniMapOnMap && !o.noOverlays) {
        miniMap.Resize(kMiniMapWidth, kMiniMapHeight);
        miniMapDrawing = std::async(std::launch::async,
                                    [&miniMap, sources] { return miniMap.Draw(sources, {}, 1); });
    }
    if (fontsFound.joinable()) fontsFound.join();
    const QImage legend = MakeLegendPicture(o.map.Type, scenery.Ranges(), settings.Colors);
    const std::optional<MapView> fitted =
        FitMap(view.ViewMin, view.ViewMax, static_cast<std::uint16_t>(o.width),
               static_cast<std::uint16_t>(o.height));
    if (!fitted) {
        std::fputs(
            Translate("tarvik", "tarvik render: widok jest pusty; nic nie narysowano\n").c_str(),
            err);
        return 1;
    }
    if (StopSignal() != 0) return StoppedStatus();
    // --no-overlays alone draws as the mini-map does; with --white, the layers alone on white.
    MapPurpose purpose = o.white ? MapPurpose::Print : MapPurpose::Export;
    if (o.noOverlays && !o.white) purpose = MapPurpose::MiniMap;
    const OverlayPictures overlays =
        o.noOverlays
            ? OverlayPictures{.scaleBar = false}
            : OverlayPictures{.legend = &legend, .miniMap = &miniMap.Picture(), .finish = [&] {
                                  if (!miniMapDrawing.valid()) return;
                                  miniMap.Take(miniMapDrawing.get());
                                  // The frame shows the view as the fit widened it.
                                  miniMap.Refresh(view, bounds);
                              }};
    const bool vector = IsVectorFormat(*format);
    MapOutcome outcome = MapOutcome::Drawn;
    const Drawing draw = [&](QPainter& painter) {
        outcome = PaintMap({.target = painter,
                            .view = *fitted,
                            .sources = sources,
                            .purpose = purpose,
                            .overlays = overlays,
                            .hooks = {.dialogs = &dialogs},
                            .vector = vector})
                      .outcome;
    };
    // The picture takes its name with the signals held back, so that a stop either comes
    // before it, leaving no file, or after it, when the picture is whole. Abort at the runaway
    // question ends the command with status 1, as it ends the viewer, and leaves no file.
    std::optional<StopSignalsHeld> held;
    const MayCommit mayCommit = [&held, &outcome] {
        if (outcome == MapOutcome::EndProgram) return false;
        held.emplace();
        return StopSignal() == 0;
    };
    std::optional<std::string> error;
    if (vector) {
        error = WriteVectorPicture(draw, QSize(o.width, o.height), o.output, *format, mayCommit);
    } else {
        QImage picture(o.width, o.height, QImage::Format_RGB32);
        picture.fill(Qt::black);
        {
            QPainter painter(&picture);
            draw(painter);
        }
        // Drawn, the model is freed on the other core while the picture is written, rather
        // than after it; the thread is joined before the command ends.
        std::jthread freeing([doomed = std::move(model)]() mutable { doomed.reset(); });
        if (outcome == MapOutcome::EndProgram) return 1;
        if (StopSignal() != 0) return StoppedStatus();
        error = WritePicture(picture, o.output, *format, mayCommit);
    }
    held.reset();
    if (outcome == MapOutcome::EndProgram) return 1;
    if (error) {
        if (StopSignal() != 0) return StoppedStatus();
        std::fprintf(err, "tarvik render: %s\n", error->c_str());
        return 1;
    }
    return result.status == LoadStatus::Failed ? 1 : 0;
}

}  // namespace tarvik
