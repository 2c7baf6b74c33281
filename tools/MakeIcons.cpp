// Draws Tintgrab's icons and writes them as .ico files into the folder named by the only argument.
//
// Each icon is a scene: a function from a point (in pixels, x right, y down, the pixel (i, j)
// covering [i, i + 1) x [j, j + 1)) to a colour with straight alpha. Shapes are signed distance
// functions (negative inside). A pixel averages a grid of samples of its scene, so edges are
// anti-aliased, and a pixel no shape touches stays exactly transparent black. Nothing here depends
// on the time or the locale: the same build writes the same files on every run.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <numbers>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// ---- Geometry ------------------------------------------------------------------------------------

struct Vec {
    double x = 0;
    double y = 0;
};

Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator*(Vec a, double k) { return {a.x * k, a.y * k}; }
double dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double cross(Vec a, Vec b) { return a.x * b.y - a.y * b.x; }
double length(Vec a) { return std::sqrt(dot(a, a)); }
Vec normalized(Vec a) { return a * (1.0 / length(a)); }

double clamp01(double v) { return std::clamp(v, 0.0, 1.0); }

double smoothstep(double edge0, double edge1, double v)
{
    const double t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

// A point in the frame whose origin is `origin`, whose x axis points along the unit vector `axis`
// and whose y axis is `axis` turned a quarter turn anticlockwise on the screen.
Vec toFrame(Vec p, Vec origin, Vec axis)
{
    const Vec d = p - origin;
    return {dot(d, axis), cross(d, axis)};
}

// ---- Shapes: signed distances, negative inside ---------------------------------------------------

double circle(Vec p, Vec centre, double radius) { return length(p - centre) - radius; }

// An axis-aligned box of the given half size with corners rounded by `radius`.
double box(Vec p, Vec centre, Vec half, double radius)
{
    const Vec q{std::abs(p.x - centre.x) - half.x + radius, std::abs(p.y - centre.y) - half.y + radius};
    const Vec outside{std::max(q.x, 0.0), std::max(q.y, 0.0)};
    return length(outside) + std::min(std::max(q.x, q.y), 0.0) - radius;
}

// A stroke of half width `radius` from a to b, with round ends.
double capsule(Vec p, Vec a, Vec b, double radius)
{
    const Vec ab = b - a;
    const double t = clamp01(dot(p - a, ab) / dot(ab, ab));
    return length(p - (a + ab * t)) - radius;
}

// A simple polygon, its vertices in either order.
double polygon(Vec p, std::span<const Vec> v)
{
    double nearest = dot(p - v[0], p - v[0]);
    double sign = 1;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i, ++i) {
        const Vec e = v[j] - v[i];
        const Vec w = p - v[i];
        const Vec b = w - e * clamp01(dot(w, e) / dot(e, e));
        nearest = std::min(nearest, dot(b, b));
        const bool above = p.y >= v[i].y;
        const bool below = p.y < v[j].y;
        const bool left = e.x * w.y > e.y * w.x;
        if ((above && below && left) || (!above && !below && !left)) sign = -sign;
    }
    return sign * std::sqrt(nearest);
}

// ---- Colour --------------------------------------------------------------------------------------

// Components 0..1, alpha straight (not premultiplied).
struct Colour {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 0;
};

Colour hex(std::uint32_t rgb, double alpha = 1)
{
    return {static_cast<double>((rgb >> 16) & 0xFF) / 255, static_cast<double>((rgb >> 8) & 0xFF) / 255,
            static_cast<double>(rgb & 0xFF) / 255, alpha};
}

Colour mix(Colour from, Colour to, double t)
{
    t = clamp01(t);
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
            from.a + (to.a - from.a) * t};
}

// `top` composited over `bottom`.
Colour over(Colour top, Colour bottom)
{
    const double a = top.a + bottom.a * (1 - top.a);
    if (a <= 0) return {};
    const double kb = bottom.a * (1 - top.a);
    return {(top.r * top.a + bottom.r * kb) / a, (top.g * top.a + bottom.g * kb) / a,
            (top.b * top.a + bottom.b * kb) / a, a};
}

// Paints `colour` over `under` where the shape distance `d` is inside.
Colour fill(Colour under, double d, Colour colour) { return d < 0 ? over(colour, under) : under; }

// A multi-stop gradient; the stops are evenly spaced over 0..1.
Colour gradient(std::span<const Colour> stops, double t)
{
    const double at = clamp01(t) * static_cast<double>(stops.size() - 1);
    const std::size_t i = std::min(static_cast<std::size_t>(at), stops.size() - 2);
    return mix(stops[i], stops[i + 1], at - static_cast<double>(i));
}

// A fully saturated colour of the given hue, 0..1 once round the wheel (red, yellow, green, ...).
Colour hue(double h)
{
    h = (h - std::floor(h)) * 6;
    const auto channel = [h](double offset) {
        const double k = std::fmod(offset + h, 6.0);
        return 1 - clamp01(std::min(k, 4 - k));
    };
    return {channel(5), channel(3), channel(1), 1};
}

// How far p lies across a shape along `up`: 0 on the edge `up` points to, 1 on the opposite edge.
double across(const std::function<double(Vec)>& shape, Vec p, Vec up)
{
    constexpr double step = 1.0 / 16;
    constexpr int limit = 16 * 16;
    int before = 0;
    while (before < limit && shape(p + up * (before * step)) < 0) ++before;
    int after = 0;
    while (after < limit && shape(p - up * (after * step)) < 0) ++after;
    return before + after == 0 ? 0.5 : static_cast<double>(before) / (before + after);
}

// The shading of a glossy shape lit from above: each stroke runs from `light` along its upper
// edge to `dark` along its lower edge, a pale sheen covers its upper part, and a darker rim keeps
// the outline crisp on any background.
struct GlossPalette {
    Colour sheen;
    Colour light;
    Colour dark;
    Colour rim;
};

Colour glossy(const std::function<double(Vec)>& shape, Vec p, Vec up, const GlossPalette& palette)
{
    const double d = shape(p);
    const double v = across(shape, p, up);
    Colour c = mix(palette.light, palette.dark, smoothstep(0.1, 1.0, v));
    const double sheen = (1 - smoothstep(0.15, 0.5, v)) * smoothstep(-0.2, -1.2, d);
    c = mix(c, palette.sheen, 0.75 * sheen);
    return mix(c, palette.rim, 0.7 * smoothstep(-1.0, -0.1, d));
}

// ---- Rendering -----------------------------------------------------------------------------------

using Scene = std::function<Colour(Vec)>;

struct Pixel {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 0;
};

struct Picture {
    int size = 0;
    std::vector<Pixel> pixels; // row by row from the top

    Pixel& at(int x, int y) { return pixels[static_cast<std::size_t>(y * size + x)]; }
    const Pixel& at(int x, int y) const { return pixels[static_cast<std::size_t>(y * size + x)]; }
};

std::uint8_t toByte(double v) { return static_cast<std::uint8_t>(std::lround(clamp01(v) * 255)); }

// Each pixel is the average of samples x samples points of the scene, weighted by their alpha.
Picture render(int size, int samples, const Scene& scene)
{
    Picture picture{size, std::vector<Pixel>(static_cast<std::size_t>(size * size))};
    const double step = 1.0 / samples;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const Colour c = scene({x + (sx + 0.5) * step, y + (sy + 0.5) * step});
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            }
            Pixel& out = picture.at(x, y);
            out.a = toByte(a / (samples * samples));
            if (out.a != 0) out = {toByte(r / a), toByte(g / a), toByte(b / a), out.a};
        }
    }
    return picture;
}

// The picture turned half a turn.
Picture rotatedHalfTurn(const Picture& picture)
{
    Picture out{picture.size, picture.pixels};
    std::reverse(out.pixels.begin(), out.pixels.end());
    return out;
}

// Copies the top-left quarter onto the other three, mirrored, so a picture meant to be symmetric
// is symmetric to the last bit whatever the rounding of the samples.
Picture mirroredFromTopLeft(Picture picture)
{
    const int n = picture.size;
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const int fx = std::min(x, n - 1 - x);
            const int fy = std::min(y, n - 1 - y);
            picture.at(x, y) = picture.at(fx, fy);
        }
    }
    return picture;
}

// ---- The .ico file -------------------------------------------------------------------------------

enum class Depth { rgb24, rgba32 };

struct IconImage {
    Picture picture;
    Depth depth = Depth::rgba32;
};

class Bytes {
public:
    void u8(unsigned v) { data_.push_back(static_cast<char>(v & 0xFF)); }
    void u16(unsigned v) { u8(v); u8(v >> 8); }
    void u32(std::uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); }
    void append(const Bytes& other) { data_.insert(data_.end(), other.data_.begin(), other.data_.end()); }
    std::size_t size() const { return data_.size(); }
    const std::vector<char>& data() const { return data_; }

private:
    std::vector<char> data_;
};

bool transparent(const Pixel& p) { return p.a < 128; }

// One image as stored in an .ico: a BITMAPINFOHEADER of twice the height, the colour rows and then
// the 1-bit mask rows, both from the bottom up, each row padded to four bytes.
Bytes bitmap(const IconImage& image)
{
    const Picture& pic = image.picture;
    const auto n = static_cast<std::uint32_t>(pic.size);
    const std::uint32_t bitCount = image.depth == Depth::rgba32 ? 32 : 24;
    const std::uint32_t colourRow = (n * bitCount / 8 + 3) / 4 * 4;
    const std::uint32_t maskRow = ((n + 7) / 8 + 3) / 4 * 4;

    Bytes out;
    out.u32(40);
    out.u32(n);
    out.u32(2 * n);
    out.u16(1);
    out.u16(bitCount);
    out.u32(0);
    out.u32((colourRow + maskRow) * n);
    for (int i = 0; i < 4; ++i) out.u32(0);

    for (int y = pic.size - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < pic.size; ++x) {
            const Pixel& p = pic.at(x, y);
            if (image.depth == Depth::rgba32) {
                out.u8(p.b);
                out.u8(p.g);
                out.u8(p.r);
                out.u8(p.a);
                written += 4;
            } else {
                // No alpha channel: what the mask hides is black.
                const bool hidden = transparent(p);
                out.u8(hidden ? 0 : p.b);
                out.u8(hidden ? 0 : p.g);
                out.u8(hidden ? 0 : p.r);
                written += 3;
            }
        }
        for (; written < colourRow; ++written) out.u8(0);
    }
    for (int y = pic.size - 1; y >= 0; --y) {
        std::vector<unsigned> row(maskRow, 0);
        for (int x = 0; x < pic.size; ++x) {
            if (transparent(pic.at(x, y))) row[static_cast<std::size_t>(x / 8)] |= 0x80u >> (x % 8);
        }
        for (const unsigned byte : row) out.u8(byte);
    }
    return out;
}

void writeIcon(const std::filesystem::path& path, const std::vector<IconImage>& images)
{
    Bytes header;
    header.u16(0);
    header.u16(1);
    header.u16(static_cast<unsigned>(images.size()));

    Bytes bodies;
    auto offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const IconImage& image : images) {
        const Bytes body = bitmap(image);
        const int n = image.picture.size;
        header.u8(n >= 256 ? 0 : static_cast<unsigned>(n));
        header.u8(n >= 256 ? 0 : static_cast<unsigned>(n));
        header.u8(0);
        header.u8(0);
        header.u16(1);
        header.u16(image.depth == Depth::rgba32 ? 32 : 24);
        header.u32(static_cast<std::uint32_t>(body.size()));
        header.u32(offset);
        offset += static_cast<std::uint32_t>(body.size());
        bodies.append(body);
    }
    header.append(bodies);

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(header.data().data(), static_cast<std::streamsize>(header.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}

// ---- ok: a glossy green tick ---------------------------------------------------------------------

double tickShape(Vec p)
{
    // The short arm comes down from the left, the long one rises to the top right.
    static constexpr std::array<Vec, 6> outline{{
        {2.1, 15.4}, {5.4, 12.1}, {11.5, 17.8}, {25.9, 4.8}, {29.3, 8.2}, {11.5, 25.1},
    }};
    return polygon(p, outline) - 0.7; // rounds the outer corners
}

Colour okScene(Vec p)
{
    Colour c;
    const double shadow = tickShape(p - Vec{0.5, 1.0});
    c = over(hex(0x0C2A08, 0.32 * (1 - smoothstep(-0.8, 1.1, shadow))), c);
    static const GlossPalette palette{hex(0xF4FFD2), hex(0xC0E75D), hex(0x29851C), hex(0x236F18)};
    return fill(c, tickShape(p), glossy(tickShape, p, normalized(Vec{-0.25, -1}), palette));
}

// ---- cancel: a glossy red cross ------------------------------------------------------------------

double crossShape(Vec p)
{
    const Vec centre{11.5, 11.5};
    const Vec a = normalized(Vec{1, 1});
    const Vec b = normalized(Vec{1, -1});
    const Vec half{12.3, 3.05};
    return std::min(box(toFrame(p, centre, a), {}, half, 1.3), box(toFrame(p, centre, b), {}, half, 1.3));
}

Colour cancelScene(Vec p)
{
    static const GlossPalette palette{hex(0xFFE4E8), hex(0xE0464F), hex(0xBE1E31), hex(0xB71F36)};
    return fill({}, crossShape(p), glossy(crossShape, p, normalized(Vec{-0.5, -1}), palette));
}

// ---- pick: an eyedropper over a small puddle of colours ------------------------------------------

// The dropper lies along a diagonal from its bulb at the top right down to its tip at the lower
// left. Its parts are drawn in a frame along that diagonal: x runs from the end of the bulb to the
// tip, y across it, negative on the upper left side.
const Vec dropperEnd{27.6, 4.4};
const Vec dropperAxis = normalized(Vec{-1, 1});

double glassShape(Vec q)
{
    static constexpr std::array<Vec, 6> outline{{
        {10.6, -2.2}, {18.8, -2.2}, {23.0, -0.75}, {23.0, 0.75}, {18.8, 2.2}, {10.6, 2.2},
    }};
    return polygon(q, outline) - 0.35;
}

double dropShape(Vec p)
{
    // A round drop hanging from the tip, drawn out to a point at the top.
    const Vec centre{11.0, 23.3};
    static constexpr std::array<Vec, 3> neck{{{11.1, 20.6}, {12.24, 22.47}, {9.76, 22.47}}};
    return std::min(circle(p, centre, 1.5), polygon(p, neck));
}

// A flat pool on rows 25 to 28.
double puddleShape(Vec p) { return box(p, {15.5, 27}, {12.5, 2}, 1.9); }

Colour pickScene(Vec p)
{
    Colour c;

    // The puddle, running through the colours from left to right.
    static const std::array<Colour, 5> puddleColours{hex(0x3DBB3A), hex(0x1EC2E2), hex(0xF4D32A), hex(0xF38A1C),
                                                     hex(0xE0282E)};
    const double puddle = puddleShape(p);
    if (puddle < 0) {
        Colour colour = gradient(puddleColours, (p.x - 4.0) / 23.0);
        const double shine = (1 - smoothstep(0.0, 0.8, std::abs(p.y - 25.9))) *
                             (1 - smoothstep(0.4, 0.8, std::abs(p.x - 15.5) / 12.5));
        colour = mix(colour, hex(0xFFFFFF), 0.4 * shine);
        colour = mix(colour, hex(0x000000), 0.3 * smoothstep(-0.9, 0.0, puddle) * smoothstep(26.0, 28.0, p.y));
        c = over(colour, c);
    }

    const Vec q = toFrame(p, dropperEnd, dropperAxis);

    // The drop at the tip.
    const double drop = dropShape(p);
    if (drop < 0) {
        Colour colour = mix(hex(0x5FE2FA), hex(0x0096C8), smoothstep(20.5, 24.8, p.y));
        colour = mix(colour, hex(0x00708F), 0.5 * smoothstep(-0.7, 0.0, drop));
        if (circle(p, {10.5, 22.7}, 0.55) < 0) colour = mix(colour, hex(0xFFFFFF), 0.75);
        c = over(colour, c);
    }

    // The glass tube: a tinted wall, clear glass, and the liquid filling its lower part.
    const double glass = glassShape(q);
    if (glass < 0) {
        const double wall = smoothstep(-1.0, -0.75, glass);
        Colour colour = hex(0xE4EEF6, 0.55);
        const double inner = glass + 0.9;
        if (inner < 0 && q.x > 13.8) colour = mix(hex(0x9AD6F6), hex(0x3AA6E0), (q.y + 1.5) / 3.0);
        if (inner < 0 && std::abs(q.y + 0.9) < 0.35 && q.x > 11.5 && q.x < 19.5) colour = hex(0xFFFFFF, 0.9);
        colour = mix(colour, hex(0x5E7388), wall);
        c = over(colour, c);
    }

    // The collar between bulb and glass.
    const double collar = box(q, {9.4, 0}, {1.55, 4.1}, 0.8);
    if (collar < 0) {
        Colour colour = mix(hex(0xE6EEF6), hex(0x9AAEC2), (q.y + 4.1) / 8.2);
        colour = mix(colour, hex(0x52667A), smoothstep(-0.9, -0.2, collar));
        c = over(colour, c);
    }

    // The rubber bulb, black with a soft reflection on its upper side.
    const double bulb = box(q, {4.2, 0}, {4.3, 3.35}, 3.0);
    if (bulb < 0) {
        Colour colour = mix(hex(0x3A3A3A), hex(0x0A0A0A), (q.y + 3.35) / 6.7);
        const double shine = capsule(q, {2.6, -1.7}, {6.6, -1.9}, 0.55);
        colour = mix(colour, hex(0x9A9A9A), 1 - smoothstep(-0.4, 0.6, shine));
        c = over(colour, c);
    }
    return c;
}

// ---- ring: the cursor's ring round the colour under it -------------------------------------------

Colour ringScene(Vec p)
{
    // Centred on the middle of pixel (7, 7); the hole shows the colour under the cursor.
    const double r = length(p - Vec{7.5, 7.5});
    if (r > 7.5 || r < 4.5) return {};
    if (r >= 6.5) return hex(0x000000);
    if (r >= 5.6) return hex(0x8C8C8C);
    return hex(0xFFFFFF);
}

// ---- arrow-up: a curved arrow, its head at the top right, its tail curling to the lower left -----

double arrowShape(Vec p)
{
    const Vec centre{12, 12};
    const double radius = 4.9; // of the shaft's centre line
    const double halfWidth = 1.6;
    const double shaftX = centre.x + radius;

    // The bend: the lower half of a ring, cut off along a radius at the tail.
    const double tailAngle = 106 * std::numbers::pi / 180;
    const Vec tailNormal{-std::sin(tailAngle), std::cos(tailAngle)};
    const double bend = std::max({std::abs(length(p - centre) - radius) - halfWidth, centre.y - p.y,
                                  dot(p - centre, tailNormal)});

    const double shaft = box(p, {shaftX, 10}, {halfWidth, 2.2}, 0);

    const std::array<Vec, 3> head{{{shaftX, 2.1}, {shaftX + 4.1, 8.2}, {shaftX - 4.1, 8.2}}};
    return std::min({bend, shaft, polygon(p, head)});
}

Colour arrowScene(Vec p)
{
    const double d = arrowShape(p);
    if (d >= 1) return {};
    if (d >= 0) return hex(0xF4F4F4, 0.8);
    return mix(hex(0x4C4C4C), hex(0x383838), smoothstep(2, 20, p.y));
}

// ---- app: a colour wheel with an eyedropper over it ----------------------------------------------

// Drawn on a unit square and scaled to each size. `pixel` is one pixel in those units: the thin
// parts stay at least about a pixel wide, and the small sizes leave out the finest details.
Colour appScene(Vec p, int size)
{
    const double pixel = 1.0 / size;
    const Vec u = p * pixel;
    const bool detailed = size >= 32;
    Colour c;

    // The wheel: the hues round the rim, fading to white in the middle, with a darker rim and a
    // soft shadow below.
    const Vec centre{0.44, 0.56};
    const double radius = 0.42;
    const double shadow = circle(u - Vec{0, 0.02}, centre, radius);
    c = over(hex(0x000000, 0.3 * (1 - smoothstep(-0.02, 0.035, shadow))), c);
    const double wheel = circle(u, centre, radius);
    if (wheel < 0) {
        const Vec d = u - centre;
        const double angle = std::atan2(-d.y, d.x) / (2 * std::numbers::pi);
        const double distance = length(d) / radius;
        Colour colour = mix(hex(0xFFFFFF), hue(angle), std::pow(smoothstep(0.0, 0.8, distance), 0.8));
        colour = mix(colour, hex(0x000000), 0.3 * smoothstep(-std::max(0.02, 1.0 * pixel), 0.0, wheel));
        c = over(colour, c);
    }

    // The eyedropper, from its bulb at the top right to its tip in the middle of the wheel.
    const Vec q = toFrame(u, {0.885, 0.115}, normalized(Vec{-1, 1}));
    const double bulbRadius = std::max(0.11, 1.8 * pixel);
    const double tube = std::max(0.05, 1.0 * pixel);
    const double tip = detailed ? tube * 0.4 : tube * 0.75;
    const double bulb = box(q, {0.14, 0}, {0.14, bulbRadius}, bulbRadius * 0.95);
    const double collar = box(q, {0.285, 0}, {0.035, bulbRadius * 1.2}, 0.3 * bulbRadius);
    const std::array<Vec, 6> glassOutline{
        Vec{0.3, -tube}, Vec{0.5, -tube}, Vec{0.6, -tip}, Vec{0.6, tip}, Vec{0.5, tube}, Vec{0.3, tube}};
    const double glass = polygon(q, glassOutline);
    const double dropper = std::min({bulb, collar, glass});

    // A white halo parts the dropper from the wheel.
    const double halo = std::max(0.03, 1.0 * pixel);
    if (dropper < halo) c = over(hex(0xFFFFFF), c);
    if (glass < 0) {
        const double wall = detailed ? 0.02 : 0.6 * pixel;
        Colour colour = mix(hex(0x8AD4F6), hex(0x1F7FC0), (q.y / tube + 1) / 2);
        colour = mix(colour, hex(0x24405A), smoothstep(-wall, -0.5 * wall, glass));
        c = over(colour, c);
    }
    if (collar < 0) {
        Colour colour = mix(hex(0xDCE5EE), hex(0x6A7E92), (q.y / (bulbRadius * 1.2) + 1) / 2);
        c = over(mix(colour, hex(0x3E5064), smoothstep(-0.02, -0.005, collar)), c);
    }
    if (bulb < 0) {
        Colour colour = mix(hex(0x484848), hex(0x101010), (q.y / bulbRadius + 1) / 2);
        const double shine = capsule(q, {0.07, -bulbRadius * 0.45}, {0.19, -bulbRadius * 0.5}, bulbRadius * 0.16);
        if (detailed && shine < 0) colour = mix(colour, hex(0xB0B0B0), 0.8);
        c = over(colour, c);
    }
    return c;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make-icons FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        std::filesystem::create_directories(folder);
        constexpr int fine = 16; // samples per pixel in each direction

        writeIcon(folder / "ok.ico", {{render(32, fine, okScene)}});
        writeIcon(folder / "cancel.ico", {{render(24, fine, cancelScene)}});
        writeIcon(folder / "pick.ico", {{render(32, fine, pickScene)}});
        writeIcon(folder / "ring.ico", {{mirroredFromTopLeft(render(15, fine, ringScene))}});

        // The two arrows are one drawing, the second turned half a turn, so they match exactly.
        const Picture up = render(24, fine, arrowScene);
        const Picture down = rotatedHalfTurn(up);
        writeIcon(folder / "arrow-up.ico", {{up, Depth::rgb24}, {up, Depth::rgba32}});
        writeIcon(folder / "arrow-down.ico", {{down, Depth::rgb24}, {down, Depth::rgba32}});

        std::vector<IconImage> app;
        // Up to 64 pixels: the larger sizes would make every program file a quarter of a megabyte bigger.
        for (const int size : {16, 24, 32, 48, 64})
            app.push_back({render(size, fine, [size](Vec p) { return appScene(p, size); })});
        writeIcon(folder / "app.ico", app);
    } catch (const std::exception& error) {
        std::cerr << "make-icons: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
