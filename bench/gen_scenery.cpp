// Writes a synthetic scenery for load benchmarks: lines of track laid over a 50 km square,
// with traction wires and triangle bodies, deterministic for a seed.

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <numbers>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kUsage =
    "usage: tarvik-gen-scenery [options]\n"
    "  --pieces N           track pieces (track and switch nodes), default 10000\n"
    "  --straight-share F   share of straight pieces continuing the previous one, default 0.4\n"
    "  --curve-share F      share of curved pieces, default 0.3\n"
    "  --switch-share F     share of switches, default 0.05\n"
    "  --named-share F      share of pieces with a name, default 0.3\n"
    "  --traction-share F   traction wires per piece, default 0.9\n"
    "  --triangles F        triangle vertex lines per piece (may be fractional), default 0\n"
    "  --copies N           write every piece N times over, default 1; copies lie on each\n"
    "                       other and never join, so N above 1 needs --straight-share 0\n"
    "  --seed S             default 1\n"
    "  -o FILE              output file, default standard output\n"
    "The rest of the pieces are straight pieces that do not continue their predecessor.\n"
    "Counts, and what a loader that joins continuing pieces should report, go to stderr.\n";

// xoshiro256** seeded by splitmix64: the same stream on every platform and library.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) {
        for (std::uint64_t& word : s_) {
            seed += 0x9E3779B97F4A7C15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = z ^ (z >> 31);
        }
    }
    std::uint64_t Next() {
        const std::uint64_t result = Rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = Rotl(s_[3], 45);
        return result;
    }
    double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
    double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }
    bool Chance(double p) { return Uniform() < p; }
    std::uint64_t Below(std::uint64_t n) { return Next() % n; }

  private:
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t s_[4];
};

// Track geometry lives on a 1/16 m grid: sums and differences of such values are exact in
// double, so pieces meant to continue each other meet exactly and have equal vectors.
using Grid = std::int64_t;
constexpr double kGridPerMetre = 16.0;
constexpr std::int64_t kTenThousandthsPerGrid = 625;

Grid ToGrid(double metres) {
    return std::llround(metres * kGridPerMetre);
}
double FromGrid(Grid g) {
    return static_cast<double>(g) / kGridPerMetre;
}

// Text for one section; numbers are written from integers, which is fast and exact.
class Text {
  public:
    void Reserve(std::size_t n) { s_.reserve(n); }
    std::size_t Size() const { return s_.size(); }
    const char* Data() const { return s_.data(); }
    void Clear() { s_.clear(); }

    Text& operator<<(std::string_view v) {
        s_.append(v);
        return *this;
    }
    Text& Int(std::int64_t v) {
        char buf[24];
        const auto r = std::to_chars(buf, buf + sizeof buf, v);
        s_.append(buf, static_cast<std::size_t>(r.ptr - buf));
        return *this;
    }
    // A value in ten-thousandths, with at least one decimal and no trailing zeros.
    Text& Fixed(std::int64_t tenThousandths) {
        if (tenThousandths < 0) {
            s_.push_back('-');
            tenThousandths = -tenThousandths;
        }
        Int(tenThousandths / 10000);
        s_.push_back('.');
        std::int64_t frac = tenThousandths % 10000;
        if (frac == 0) {
            s_.push_back('0');
            return *this;
        }
        char digits[4];
        int n = 4;
        for (int i = 3; i >= 0; --i) {
            digits[i] = static_cast<char>('0' + frac % 10);
            frac /= 10;
        }
        while (digits[n - 1] == '0')
            --n;
        s_.append(digits, static_cast<std::size_t>(n));
        return *this;
    }
    Text& G(Grid g) { return Fixed(g * kTenThousandthsPerGrid); }
    std::string_view Tail(std::size_t from) const { return std::string_view(s_).substr(from); }
    Text& Real(double v) { return Fixed(std::llround(v * 10000.0)); }
    Text& Sp() {
        s_.push_back(' ');
        return *this;
    }
    Text& Eol() {
        s_.append("\r\n");
        return *this;
    }

  private:
    std::string s_;
};

struct Options {
    std::uint64_t pieces = 10000;
    double straightShare = 0.4;
    double curveShare = 0.3;
    double switchShare = 0.05;
    double namedShare = 0.3;
    double tractionShare = 0.9;
    double triangles = 0;
    std::uint64_t copies = 1;
    std::uint64_t seed = 1;
    std::string output;
};

struct Counts {
    std::uint64_t fresh = 0;
    std::uint64_t continuing = 0;
    std::uint64_t curves = 0;
    std::uint64_t switches = 0;
    std::uint64_t named = 0;
    std::uint64_t withVelocity = 0;
    std::uint64_t lines = 0;
    std::uint64_t wires = 0;
    std::uint64_t trackJoins = 0;
    std::uint64_t wireJoins = 0;
    std::uint64_t vertexLines = 0;
    std::uint64_t bytes = 0;
};

struct Point {
    Grid x = 0, y = 0, z = 0;  // y is the height
};

struct Branch {
    Point at;
    double dirX, dirZ;
};

enum class Kind { Fresh, Continuing, Curve, Switch };

class Generator {
  public:
    Generator(const Options& o, std::FILE* out) : o_(o), rng_(o.seed), out_(out) {
        const double freshShare = 1.0 - o.straightShare - o.curveShare - o.switchShare;
        // A continuing piece follows a straight one; this keeps its overall share as asked.
        continueChance_ =
            o.straightShare > 0 ? o.straightShare / (o.straightShare + freshShare) : 0;
        const double rest = freshShare + o.curveShare + o.switchShare;
        freshCut_ = rest > 0 ? freshShare / rest : 1;
        curveCut_ = rest > 0 ? (freshShare + o.curveShare) / rest : 1;
        for (Text* t : {&tracks_, &traction_, &shapes_})
            t->Reserve(kFlushBytes + (1 << 16));
        wireRuns_.resize(static_cast<std::size_t>(o.tractionShare) + 1);
    }

    bool Run() {
        tracks_ << "// Synthetic scenery: " << std::to_string(o_.pieces) << " pieces, seed "
                << std::to_string(o_.seed) << "\r\n//$n synthetic\r\n\r\n";
        for (std::uint64_t i = 0; i < o_.pieces; ++i) {
            if (!Piece(i)) return false;
            if (tracks_.Size() + traction_.Size() + shapes_.Size() >= kFlushBytes) {
                if (!Flush()) return false;
            }
        }
        CloseRuns();
        return Flush() && std::fflush(out_) == 0;
    }

    const Counts& Stats() const { return c_; }

  private:
    static constexpr std::size_t kFlushBytes = std::size_t{4} << 20;

    bool Flush() {
        // Sections come in blocks by kind, as in real sceneries built from several files.
        for (Text* t : {&tracks_, &traction_, &shapes_}) {
            if (t->Size() != 0 && std::fwrite(t->Data(), 1, t->Size(), out_) != t->Size()) {
                return false;
            }
            c_.bytes += t->Size();
            t->Clear();
        }
        return true;
    }

    // A joined piece is compared as a whole, so a run of n equal pieces is joined like a binary
    // counter: it ends as one segment per set bit of n.
    static std::uint64_t JoinsInRun(std::uint64_t n) {
        return n - static_cast<std::uint64_t>(std::popcount(n));
    }

    void CloseRuns() {
        c_.trackJoins += JoinsInRun(runPieces_);
        runPieces_ = 0;
        for (std::uint64_t& m : wireRuns_) {
            c_.wireJoins += JoinsInRun(m);
            m = 0;
        }
    }

    void StartLine() {
        ++c_.lines;
        if (!branches_.empty() && rng_.Chance(0.7)) {
            const Branch b = branches_.back();
            branches_.pop_back();
            pos_ = b.at;
            dirX_ = b.dirX;
            dirZ_ = b.dirZ;
        } else {
            const double x = rng_.Range(-25000, 25000);
            const double z = rng_.Range(-25000, 25000);
            pos_ = {ToGrid(x), ToGrid(rng_.Range(100, 300)), ToGrid(z)};
            // Roughly towards the middle, so that most of a line stays inside the square.
            const double a = std::atan2(-z, -x) + rng_.Range(-0.5, 0.5) * std::numbers::pi;
            dirX_ = std::cos(a);
            dirZ_ = std::sin(a);
        }
        piecesLeft_ = 20 + rng_.Below(400);
        grade_ = rng_.Range(-0.008, 0.008);
        velocity_ = PickVelocity();
        hasStraight_ = false;
        joinable_ = false;
    }

    int PickVelocity() {
        static constexpr int kSpeeds[] = {20, 40, 60, 80, 100, 120, 140};
        if (rng_.Chance(0.5)) return 0;  // no velocity line: the loader's default
        return kSpeeds[rng_.Below(std::size(kSpeeds))];
    }

    Kind PickKind() {
        if (joinable_ && rng_.Chance(continueChance_)) return Kind::Continuing;
        if (piecesLeft_ == 0 || c_.lines == 0) StartLine();
        const double u = rng_.Uniform();
        if (u < freshCut_) return Kind::Fresh;
        return u < curveCut_ ? Kind::Curve : Kind::Switch;
    }

    bool Piece(std::uint64_t index) {
        const Kind kind = PickKind();
        if (piecesLeft_ > 0) --piecesLeft_;
        if (kind != Kind::Continuing) {
            CloseRuns();
            if (rng_.Chance(0.05)) velocity_ = PickVelocity();
            if (rng_.Chance(0.1)) grade_ = rng_.Range(-0.008, 0.008);
        }

        std::string name = "none";
        if (rng_.Chance(o_.namedShare)) {
            name = "tor" + std::to_string(index);
            ++c_.named;
        }
        const bool event = name != "none" && rng_.Chance(0.3);

        const Point start = pos_;
        Point end;
        const int wires = WireCount();
        const std::size_t trackMark = tracks_.Size(), wireMark = traction_.Size();
        switch (kind) {
            case Kind::Continuing:
                ++c_.continuing;
                end = Move(start, step_);
                NodeLine(name, "normal", "100.0 1.435 0.25 35.0 20 0 Flat");
                StraightSegment(start, end, "0");
                ++runPieces_;
                // Wires run along the piece, so they continue the previous piece's too.
                for (std::size_t k = 0; k < wireRuns_.size(); ++k) {
                    if (k < static_cast<std::size_t>(wires)) {
                        ++wireRuns_[k];
                    } else {
                        c_.wireJoins += JoinsInRun(wireRuns_[k]);
                        wireRuns_[k] = 0;
                    }
                }
                joinable_ = true;
                break;
            case Kind::Fresh:
                ++c_.fresh;
                step_ = FreshStep(rng_.Range(10, 200));
                end = Move(start, step_);
                NodeLine(name, "normal", "100.0 1.435 0.25 35.0 20 0 Flat");
                StraightSegment(start, end, "0");
                hasStraight_ = true;
                joinable_ = true;
                runPieces_ = 1;
                for (int k = 0; k < wires; ++k)
                    wireRuns_[static_cast<std::size_t>(k)] = 1;
                break;
            case Kind::Curve:
                ++c_.curves;
                NodeLine(name, "normal", "100.0 1.435 0.25 35.0 20 0 Flat");
                end = CurveSegment(start, rng_.Range(250, 3000),
                                   Signed(rng_.Range(2, 25) * std::numbers::pi / 180), true, "0");
                hasStraight_ = false;
                joinable_ = false;
                break;
            case Kind::Switch:
                ++c_.switches;
                end = Switch(start, name);
                // Its first segment never takes a velocity line, so nothing continues it.
                joinable_ = false;
                break;
        }
        EndTrack(name, event);
        Wires(start, end, wires);
        if (o_.copies > 1 && !Copies(trackMark, wireMark)) return false;
        Shapes(start, index + 1);
        pos_ = end;
        return true;
    }

    // Writes the piece just written, its wires included, again until there are o_.copies.
    bool Copies(std::size_t trackMark, std::size_t wireMark) {
        const std::string track(tracks_.Tail(trackMark)), wires(traction_.Tail(wireMark));
        for (std::uint64_t i = 1; i < o_.copies; ++i) {
            tracks_ << track;
            traction_ << wires;
            if (tracks_.Size() + traction_.Size() >= kFlushBytes && !Flush()) return false;
        }
        return true;
    }

    double Signed(double v) { return rng_.Chance(0.5) ? v : -v; }

    struct Step {
        Grid dx = 0, dy = 0, dz = 0;
    };

    static Point Move(const Point& p, const Step& s) {
        return {p.x + s.dx, p.y + s.dy, p.z + s.dz};
    }

    // A straight step along the line whose run can never join the straight run it starts at.
    // The loader joins runs of equal pieces into power-of-two multiples of the piece, so the
    // two steps must not differ by such a factor.
    Step FreshStep(double length) {
        for (;;) {
            const Step s{ToGrid(dirX_ * length), ToGrid(grade_ * length), ToGrid(dirZ_ * length)};
            if ((s.dx != 0 || s.dz != 0) &&
                !(hasStraight_ && (PowerOfTwoTimes(s, step_) || PowerOfTwoTimes(step_, s)))) {
                return s;
            }
            length += 1.0;
        }
    }

    static bool PowerOfTwoTimes(const Step& big, const Step& small) {
        for (int j = 0; j < 40; ++j) {
            if (big.dx == small.dx * (Grid{1} << j) && big.dz == small.dz * (Grid{1} << j)) {
                return true;
            }
        }
        return false;
    }

    int WireCount() {
        const double whole = std::floor(o_.tractionShare);
        return static_cast<int>(whole) + (rng_.Chance(o_.tractionShare - whole) ? 1 : 0);
    }

    void NodeLine(const std::string& name, std::string_view subKind, std::string_view params) {
        tracks_ << "node -1 0 " << name << " track " << subKind << " " << params << " vis \r\n";
        tracks_ << (subKind == "switch" ? " Rail_screw_used1 4 Rail_screw_used1 0.2 2.75 2.5 \r\n"
                                        : " Rail_screw_used1 4 TpB-old2.tex 0.2 0.5 1.1 \r\n");
    }

    void PointLine(const Point& p, std::string_view comment) {
        tracks_.G(p.x).Sp().G(p.y).Sp().G(p.z) << " 0.0  //" << comment << "\r\n";
    }

    void StraightSegment(const Point& a, const Point& b, std::string_view tail) {
        PointLine(a, "point 1");
        tracks_ << "0.0 0.0 0.0  //control vector 1\r\n0.0 0.0 0.0  //control vector 2\r\n";
        PointLine(b, "point 2");
        tracks_ << tail << " \r\n";
    }

    // An arc of the given radius turning by `turn` radians, as a cubic with handles along the
    // tangents; moves the line's direction when `steer` is set. Returns the end point.
    Point CurveSegment(const Point& a, double radius, double turn, bool steer,
                       std::string_view tail) {
        const double heading = std::atan2(dirZ_, dirX_);
        const double endX = std::cos(heading + turn), endZ = std::sin(heading + turn);
        const double r = turn > 0 ? radius : -radius;
        const double length = radius * std::fabs(turn);
        const Point b{a.x + ToGrid(r * (endZ - dirZ_)), a.y + ToGrid(grade_ * length),
                      a.z + ToGrid(-r * (endX - dirX_))};
        const double handle = 4.0 / 3.0 * std::tan(std::fabs(turn) / 4) * radius;
        PointLine(a, "point 1");
        tracks_.Real(dirX_ * handle) << " 0.0 ";
        tracks_.Real(dirZ_ * handle) << "  //control vector 1\r\n";
        tracks_.Real(-endX * handle) << " 0.0 ";
        tracks_.Real(-endZ * handle) << "  //control vector 2\r\n";
        PointLine(b, "point 2");
        tracks_ << tail << " \r\n";
        lastEndX_ = endX;
        lastEndZ_ = endZ;
        if (steer) {
            dirX_ = endX;
            dirZ_ = endZ;
        }
        return b;
    }

    Point Switch(const Point& a, const std::string& name) {
        NodeLine(name, "switch", "34.0 1.435 0.24 15.0 20 2 flat");
        step_ = FreshStep(34);
        const Point main = Move(a, step_);
        StraightSegment(a, main, "0");
        hasStraight_ = true;
        const Point side = CurveSegment(a, 300, Signed(34.0 / 300), false, "-300.0");
        if (branches_.size() < 10000 && rng_.Chance(0.5)) {
            branches_.push_back(Branch{side, lastEndX_, lastEndZ_});
        }
        return main;
    }

    void EndTrack(const std::string& name, bool event) {
        if (velocity_ != 0) {
            tracks_ << "velocity ";
            tracks_.Int(velocity_) << ".0 \r\n";
            ++c_.withVelocity;
        }
        if (event) tracks_ << "event0 " << name << "_ev \r\n";
        tracks_ << "endtrack\r\n\r\n";
    }

    void Wires(const Point& a, const Point& b, int count) {
        if (count == 0) return;
        c_.wires += static_cast<std::uint64_t>(count);
        // Side offset from the grid vector alone, so equal pieces get equal offsets.
        const double vx = FromGrid(b.x - a.x), vz = FromGrid(b.z - a.z);
        const double len = std::sqrt(vx * vx + vz * vz);
        const Grid sx = ToGrid(-vz / len * 3.5), sz = ToGrid(vx / len * 3.5);
        const Grid low = ToGrid(5.8), high = ToGrid(6.4);
        for (int k = 0; k < count; ++k) {
            const Grid ox = sx * k, oz = sz * k;
            traction_ << "node 800 0  none traction pwr01 3500 4500 0.01 Cu 3.0 1\r\n";
            traction_.G(a.x + ox).Sp().G(a.y + low).Sp().G(a.z + oz).Eol();
            traction_.G(b.x + ox).Sp().G(b.y + low).Sp().G(b.z + oz).Eol();
            traction_.G(a.x + ox).Sp().G(a.y + high).Sp().G(a.z + oz).Eol();
            traction_.G(b.x + ox).Sp().G(b.y + high).Sp().G(b.z + oz).Eol();
            traction_ << "0.4 4.0 2 0.04 vis \r\nendtraction\r\n";
        }
    }

    // Ground triangles near the piece, three vertices to a body as in real sceneries; a share
    // per piece that is not a multiple of three is met over several pieces.
    void Shapes(const Point& near, std::uint64_t piecesDone) {
        const std::int64_t x0 = near.x * kTenThousandthsPerGrid;
        const std::int64_t y0 = near.y * kTenThousandthsPerGrid;
        const std::int64_t z0 = near.z * kTenThousandthsPerGrid;
        const auto due = static_cast<std::uint64_t>(
            std::llround(static_cast<double>(piecesDone) * o_.triangles));
        const bool last = piecesDone == o_.pieces;
        for (std::uint64_t left = due - c_.vertexLines; left >= 3 || (last && left > 0);) {
            const std::uint64_t n = std::min<std::uint64_t>(left, 3);
            left -= n;
            shapes_ << "node -1 0 none triangles material ambient: 150.0 150.0 150.0 diffuse: "
                       "150.0 150.0 150.0 specular: 229.5 229.5 229.5  endmaterial grass.bmp\r\n";
            for (std::uint64_t v = 0; v < n; ++v) {
                const auto offset = [this](std::int64_t span) {
                    return static_cast<std::int64_t>(rng_.Below(2 * span + 1)) - span;
                };
                shapes_.Fixed(x0 + offset(200000)).Sp().Fixed(y0 + offset(5000)).Sp();
                shapes_.Fixed(z0 + offset(200000)) << " 0.0 1.0 0.0 ";
                shapes_.Fixed(offset(10000)).Sp().Fixed(offset(10000)).Eol();
            }
            shapes_ << "endtri\r\n\r\n";
            c_.vertexLines += n;
        }
    }

    const Options& o_;
    Rng rng_;
    std::FILE* out_;
    Counts c_;
    Text tracks_, traction_, shapes_;
    double continueChance_ = 0, freshCut_ = 1, curveCut_ = 1;

    Point pos_;
    double dirX_ = 1, dirZ_ = 0;
    double lastEndX_ = 1, lastEndZ_ = 0;
    double grade_ = 0;
    int velocity_ = 0;
    std::uint64_t piecesLeft_ = 0;
    Step step_;
    bool hasStraight_ = false;     // the line ends with a straight segment of vector step_
    bool joinable_ = false;        // ... of a plain track piece that a continuing piece may join
    std::uint64_t runPieces_ = 0;  // pieces of the straight run the line ends with
    std::vector<std::uint64_t> wireRuns_;  // per wire position: wires in a row along that run
    std::vector<Branch> branches_;
};

bool ParseUnsigned(const char* text, std::uint64_t& value) {
    const char* end = text + std::strlen(text);
    const auto r = std::from_chars(text, end, value);
    return r.ec == std::errc() && r.ptr == end;
}

bool ParseShare(const char* text, double& value) {
    const char* end = text + std::strlen(text);
    const auto r = std::from_chars(text, end, value);
    return r.ec == std::errc() && r.ptr == end && value >= 0 && std::isfinite(value);
}

bool ParseArgs(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "-h" || a == "--help") {
            std::fputs(kUsage, stdout);
            std::exit(0);
        }
        if (i + 1 >= argc) {
            std::fprintf(stderr, "tarvik-gen-scenery: %s needs a value\n", argv[i]);
            return false;
        }
        const char* v = argv[++i];
        bool ok = true;
        if (a == "--pieces") {
            ok = ParseUnsigned(v, o.pieces);
        } else if (a == "--straight-share") {
            ok = ParseShare(v, o.straightShare);
        } else if (a == "--curve-share") {
            ok = ParseShare(v, o.curveShare);
        } else if (a == "--switch-share") {
            ok = ParseShare(v, o.switchShare);
        } else if (a == "--named-share") {
            ok = ParseShare(v, o.namedShare) && o.namedShare <= 1;
        } else if (a == "--traction-share") {
            ok = ParseShare(v, o.tractionShare) && o.tractionShare <= 64;
        } else if (a == "--triangles") {
            ok = ParseShare(v, o.triangles) && o.triangles <= 1e6;
        } else if (a == "--copies") {
            ok = ParseUnsigned(v, o.copies) && o.copies >= 1;
        } else if (a == "--seed") {
            ok = ParseUnsigned(v, o.seed);
        } else if (a == "-o") {
            o.output = v;
        } else {
            std::fprintf(stderr, "tarvik-gen-scenery: unknown option %s\n%s", argv[i - 1], kUsage);
            return false;
        }
        if (!ok) {
            std::fprintf(stderr, "tarvik-gen-scenery: bad value '%s' for %s\n", v, argv[i - 1]);
            return false;
        }
    }
    const double fresh = 1.0 - o.straightShare - o.curveShare - o.switchShare;
    if (fresh < -1e-9) {
        std::fputs("tarvik-gen-scenery: the straight, curve and switch shares exceed 1\n", stderr);
        return false;
    }
    if (o.copies > 1 && o.straightShare > 0) {
        std::fputs(
            "tarvik-gen-scenery: a continuing piece would join one of the copies before it: "
            "--copies above 1 needs --straight-share 0\n",
            stderr);
        return false;
    }
    if (o.straightShare > 0 && fresh <= 1e-9) {
        std::fputs(
            "tarvik-gen-scenery: continuing pieces need some other straight pieces to "
            "follow: keep the three shares below 1\n",
            stderr);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (!ParseArgs(argc, argv, o)) return 2;
    std::FILE* out = stdout;
    if (!o.output.empty() && o.output != "-") {
        out = std::fopen(o.output.c_str(), "wb");
        if (!out) {
            std::perror(o.output.c_str());
            return 1;
        }
    }
    Generator g(o, out);
    const bool ok = g.Run();
    if (out != stdout && std::fclose(out) != 0) return 1;
    if (!ok) {
        std::fputs("tarvik-gen-scenery: write failed\n", stderr);
        return 1;
    }
    const Counts& c = g.Stats();
    const std::uint64_t segments = (c.fresh + c.continuing + c.curves + 2 * c.switches) * o.copies;
    const std::uint64_t wires = c.wires * o.copies;
    std::fprintf(
        stderr,
        "pieces: %llu\nstraight pieces: %llu\ncontinuing pieces: %llu\ncurves: %llu\n"
        "switches: %llu\nnamed pieces: %llu\npieces with velocity: %llu\nlines: %llu\n"
        "track segments: %llu\ntracks after joining: %llu\ntraction wires: %llu\n"
        "tractions after joining: %llu\nvertex lines: %llu\nbytes: %llu\n",
        static_cast<unsigned long long>(o.pieces), static_cast<unsigned long long>(c.fresh),
        static_cast<unsigned long long>(c.continuing), static_cast<unsigned long long>(c.curves),
        static_cast<unsigned long long>(c.switches), static_cast<unsigned long long>(c.named),
        static_cast<unsigned long long>(c.withVelocity), static_cast<unsigned long long>(c.lines),
        static_cast<unsigned long long>(segments),
        static_cast<unsigned long long>(segments - c.trackJoins),
        static_cast<unsigned long long>(wires),
        static_cast<unsigned long long>(wires - c.wireJoins),
        static_cast<unsigned long long>(c.vertexLines), static_cast<unsigned long long>(c.bytes));
    return 0;
}
