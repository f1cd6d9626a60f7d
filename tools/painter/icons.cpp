#include "tools/painter/icons.h"

#include <array>
#include <cstdio>
#include <functional>
#include <optional>
#include <sstream>
#include <string>

#include "tools/painter/quantise.h"
#include "tools/painter/shapes.h"

namespace painter {
namespace {

// A drawing over the unit square, (0, 0) top left; nothing where it is
// transparent. `sixteen` asks for the colours of a 16-colour image.
using Drawing = std::function<std::optional<Colour>(Vec p, bool sixteen)>;

IconEntry render(const Drawing& draw, int size, int bitsPerPixel) {
    IconImage image(size);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const Vec p{(static_cast<float>(x) + 0.5f) / static_cast<float>(size),
                        (static_cast<float>(y) + 0.5f) / static_cast<float>(size)};
            if (auto c = draw(p, bitsPerPixel == 4)) image.set(x, y, toRgb(*c));
        }
    return toIconEntry(image, bitsPerPixel);
}

float circle(Vec p, Vec c, float r) { return length({p.x - c.x, p.y - c.y}) / r; }

// The alarm clock, drawn once as geometry for both the window icon's pixels
// and the menu icon's vector drawing. Places are in the unit square; the
// face's parts are in units of the body's radius from its centre.
struct Stroke {
    Vec from, to;
    float halfWidth;
};
struct Disc {
    Vec centre;
    float radius;
};
namespace clock {
const Colour red{255, 0, 0}, darkRed{128, 0, 0}, black{0, 0, 0}, white{255, 255, 255}, magenta{255, 0, 255};
const Disc body{{0.5f, 0.56f}, 0.36f};
constexpr float faceRadius = 0.78f;  // inside the red rim
constexpr float shadeFrom = 1.15f;   // the rim is dark red where x + y passes this
// Top-most first.
const Stroke secondHand{{0, 0}, {0.45f, 0.35f}, 0.07f};
const Stroke hourHand{{0, 0}, {-0.35f, -0.2f}, 0.1f};
const Stroke minuteHand{{0, 0}, {0.15f, -0.6f}, 0.08f};
constexpr float marksAt = 0.66f, markRadius = 0.06f;  // one mark every 15 degrees
const std::array<Disc, 2> bells{{{{0.22f, 0.18f}, 0.14f}, {{0.78f, 0.18f}, 0.14f}}};
const std::array<Stroke, 3> stemAndFeet{{{{0.5f, 0.1f}, {0.5f, 0.2f}, 0.04f},
                                         {{0.28f, 0.86f}, {0.18f, 0.97f}, 0.05f},
                                         {{0.72f, 0.86f}, {0.82f, 0.97f}, 0.05f}}};
}  // namespace clock

bool inside(Vec p, const Stroke& s) { return segmentDistance(p, s.from, s.to) < s.halfWidth; }

std::optional<Colour> alarmClock(Vec p, bool) {
    using namespace clock;
    const float d = circle(p, body.centre, body.radius);
    if (d < 1) {
        if (d > faceRadius) return p.x + p.y > shadeFrom ? darkRed : red;
        const Vec q{(p.x - body.centre.x) / body.radius, (p.y - body.centre.y) / body.radius};
        if (inside(q, secondHand)) return magenta;
        if (inside(q, hourHand) || inside(q, minuteHand)) return black;
        for (const Vec& m : clockDirections())
            if (circle(q, {m.x * marksAt, m.y * marksAt}, markRadius) < 1) return black;
        return white;
    }
    for (const Disc& bell : bells)
        if (circle(p, bell.centre, bell.radius) < 1) return red;
    for (const Stroke& s : stemAndFeet)
        if (inside(p, s)) return black;
    return std::nullopt;
}

// The same alarm clock as an SVG drawing of `size` units, painted from the
// bottom up, so that what the pixels test first lies on top.
class SvgClock {
public:
    explicit SvgClock(float size) : size_(size) {}

    std::string document() {
        using namespace clock;
        out_ << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << num(size_) << "\" height=\"" << num(size_)
             << "\" viewBox=\"0 0 " << num(size_) << ' ' << num(size_) << "\">\n";
        for (const Stroke& s : stemAndFeet) line(s.from, s.to, s.halfWidth, black);
        for (const Disc& bell : bells) disc(bell.centre, bell.radius, red);
        disc(body.centre, body.radius, red);
        out_ << "<clipPath id=\"shade\"><polygon points=\"" << num(size_) << ',' << num((shadeFrom - 1) * size_) << ' '
             << num(size_) << ',' << num(size_) << ' ' << num((shadeFrom - 1) * size_) << ',' << num(size_)
             << "\"/></clipPath>\n";
        disc(body.centre, body.radius, darkRed, " clip-path=\"url(#shade)\"");
        disc(body.centre, body.radius * faceRadius, white);
        for (const Vec& m : clockDirections()) disc(onFace({m.x * marksAt, m.y * marksAt}), body.radius * markRadius, black);
        for (const Stroke* s : {&minuteHand, &hourHand, &secondHand})
            line(onFace(s->from), onFace(s->to), s->halfWidth * body.radius, s == &secondHand ? magenta : black);
        out_ << "</svg>\n";
        return out_.str();
    }

private:
    static Vec onFace(Vec q) {
        return {clock::body.centre.x + q.x * clock::body.radius, clock::body.centre.y + q.y * clock::body.radius};
    }
    static std::string hex(Colour c) {
        char text[8];
        const Rgb rgb = toRgb(c);
        std::snprintf(text, sizeof text, "#%02x%02x%02x", rgb.r, rgb.g, rgb.b);
        return text;
    }
    static std::string num(float v) {
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", static_cast<double>(v));
        return text;
    }
    void disc(Vec c, float r, Colour colour, const char* extra = "") {
        out_ << "<circle cx=\"" << num(c.x * size_) << "\" cy=\"" << num(c.y * size_) << "\" r=\"" << num(r * size_)
             << "\" fill=\"" << hex(colour) << '"' << extra << "/>\n";
    }
    void line(Vec a, Vec b, float halfWidth, Colour colour) {
        out_ << "<line x1=\"" << num(a.x * size_) << "\" y1=\"" << num(a.y * size_) << "\" x2=\"" << num(b.x * size_)
             << "\" y2=\"" << num(b.y * size_) << "\" stroke=\"" << hex(colour) << "\" stroke-width=\""
             << num(2 * halfWidth * size_) << "\" stroke-linecap=\"round\"/>\n";
    }

    float size_;
    std::ostringstream out_;
};

// Seen from the side: the body low along a diagonal, the wings above it,
// raised upright or lowered out to the side.
std::optional<Colour> butterfly(Vec p, bool sixteen, bool raised) {
    const Colour wing = sixteen ? Colour{255, 0, 0} : Colour{255, 140, 20};
    const Colour wingDark = sixteen ? Colour{128, 0, 0} : Colour{214, 96, 10};
    const Colour vein{40, 20, 10}, body{50, 34, 24};
    const Vec root{0.46f, 0.66f};
    if (segmentDistance(p, {0.2f, 0.8f}, {0.72f, 0.56f}) < 0.06f) return body;
    if (segmentDistance(p, {0.72f, 0.56f}, {0.9f, 0.3f}) < 0.02f || circle(p, {0.9f, 0.3f}, 0.04f) < 1) return vein;
    if (segmentDistance(p, {0.72f, 0.56f}, {0.96f, 0.42f}) < 0.02f || circle(p, {0.96f, 0.42f}, 0.04f) < 1)
        return vein;
    const Vec fore = raised ? Vec{0.56f, 0.08f} : Vec{0.94f, 0.78f};
    const Vec hind = raised ? Vec{0.24f, 0.2f} : Vec{0.1f, 0.98f};
    const auto wingAt = [&](Vec tip, float width) -> std::optional<Colour> {
        const Vec axis{tip.x - root.x, tip.y - root.y};
        const float len = length(axis);
        const Vec dir{axis.x / len, axis.y / len};
        const Vec mid{root.x + axis.x * 0.55f, root.y + axis.y * 0.55f};
        const float f = ellipse(p, mid, dir, len * 0.55f, width);
        if (f >= 1) return std::nullopt;
        if (f > 0.72f) return vein;
        for (float spread : {-0.5f, 0.0f, 0.5f}) {
            const Vec end{tip.x - dir.y * width * spread, tip.y + dir.x * width * spread};
            if (segmentDistance(p, root, end) < 0.018f) return vein;
        }
        return f > 0.4f ? wingDark : wing;
    };
    if (auto c = wingAt(fore, 0.2f)) return c;
    if (auto c = wingAt(hind, 0.16f)) return c;
    return std::nullopt;
}

std::optional<Colour> helmet(Vec p, bool) {
    const Colour red{204, 24, 24}, shade{130, 10, 14}, visor{34, 10, 10}, eye{40, 220, 60};
    const Vec centre{0.5f, 0.5f};
    const float d = circle(p, centre, 0.42f);
    if (d >= 1 || p.y > 0.88f) return std::nullopt;
    if (p.y > 0.44f && p.y < 0.54f && p.x > 0.2f) {
        if (circle(p, {0.66f, 0.49f}, 0.05f) < 1) return eye;
        return visor;
    }
    const float light = circle(p, {0.38f, 0.3f}, 0.3f);
    if (light < 1) return mix(Colour{255, 120, 110}, red, light);
    return d > 0.8f ? shade : red;
}

}  // namespace

Bytes windowIconFile() {
    return iconFile({render(alarmClock, 32, 4), render(alarmClock, 16, 4)});
}

Bytes butterflyIconFile() {
    const Drawing up = [](Vec p, bool sixteen) { return butterfly(p, sixteen, true); };
    return iconFile({render(up, 48, 8), render(up, 32, 8), render(up, 16, 8), render(up, 16, 4), render(up, 32, 4),
                     render(up, 48, 4)});
}

Bytes menuIconFile() {
    const std::string svg = SvgClock(256).document();
    return Bytes(svg.begin(), svg.end());
}

Bytes emblemIconFile() { return iconFile({render(helmet, 32, 8)}); }

Bytes butterflyFrameFile(bool wingsRaised) {
    const Drawing d = [wingsRaised](Vec p, bool sixteen) { return butterfly(p, sixteen, wingsRaised); };
    return iconFile({render(d, 32, 8), render(d, 16, 8)});
}

}  // namespace painter
