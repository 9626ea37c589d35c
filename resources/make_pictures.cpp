// Paints the two pictures of the saturation sheets and writes them as JPEG files:
//   water_wave.jpg   134 x 107  blue water with a breaking wave and air bubbles
//   steam_cloud.jpg  131 x 100  a white cloud of steam against a blue sky
// Usage: make_pictures <output directory>
// Everything is drawn from formulas and a fixed-seed random sequence, so the
// output is the same on every run.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

struct Rgb {
    double r, g, b;
};

Rgb mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

double smoothstep(double e0, double e1, double x) {
    const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// Smooth value noise in [0, 1] on a lattice of random values, summed over octaves.
class Noise {
public:
    explicit Noise(unsigned seed) {
        std::mt19937 random(seed);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        for (double& v : lattice_) v = unit(random);
    }

    double operator()(double x, double y, int octaves = 4) const {
        double sum = 0, weight = 0, amplitude = 1;
        for (int o = 0; o < octaves; ++o) {
            sum += amplitude * smooth(x, y);
            weight += amplitude;
            x *= 2.03;
            y *= 2.03;
            amplitude *= 0.5;
        }
        return sum / weight;
    }

private:
    static constexpr int size = 64;
    double lattice_[size * size];

    double at(int x, int y) const { return lattice_[((y & (size - 1)) * size) + (x & (size - 1))]; }

    double smooth(double x, double y) const {
        const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
        const double fx = smoothstep(0, 1, x - x0), fy = smoothstep(0, 1, y - y0);
        const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
        const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
        return top + (bottom - top) * fy;
    }
};

struct Picture {
    int width, height;
    std::vector<Rgb> pixels;
    Picture(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h) {}
    Rgb& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
};

bool writeJpeg(const Picture& picture, const std::string& path) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);  // a generator may stop on a libjpeg error
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = static_cast<JDIMENSION>(picture.width);
    cinfo.image_height = static_cast<JDIMENSION>(picture.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(picture.width) * 3);
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb& c = picture.pixels[static_cast<size_t>(y) * picture.width + x];
            row[3 * x] = static_cast<JSAMPLE>(std::lround(std::clamp(c.r, 0.0, 1.0) * 255));
            row[3 * x + 1] = static_cast<JSAMPLE>(std::lround(std::clamp(c.g, 0.0, 1.0) * 255));
            row[3 * x + 2] = static_cast<JSAMPLE>(std::lround(std::clamp(c.b, 0.0, 1.0) * 255));
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(file) == 0;
}

// Deep water below a wave that rises from the left and breaks to the right: a
// green-blue face lit through its thin crest, a curling lip of white foam with
// spray, and air bubbles of several sizes rising through the water.
Picture waterWave() {
    Picture p(134, 107);
    const Noise noise(7);
    const Rgb skyTop{0.55, 0.78, 0.95}, skyLow{0.80, 0.91, 0.98};
    const Rgb crestLit{0.25, 0.75, 0.80}, face{0.05, 0.42, 0.68}, deep{0.02, 0.13, 0.38};
    const Rgb foam{0.97, 0.98, 1.0};
    const double lipX = 92, lipY = 30;     // where the lip starts to fall
    const double tubeX = 101, tubeY = 43;  // centre of the tube it encloses

    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            // Crest line of the wave: low on the left, peaking under the lip.
            const double crest =
                62 - 34 * std::exp(-std::pow((x - 86) / 34.0, 2)) + 3 * std::sin(x / 6.0) * (x < 50 ? 1 : 0.3);
            const double depth = y - crest;
            Rgb c;
            if (depth < 0) {
                c = mix(skyTop, skyLow, y / 60.0);
            } else {
                c = mix(crestLit, face, depth / 22.0);
                c = mix(c, deep, (depth - 18) / 50.0);
                const double ripple = noise(x / 7.0, y / 3.0, 3);
                c = mix(c, {0.35, 0.70, 0.90}, 0.25 * smoothstep(0.55, 0.8, ripple));
            }
            // The tube under the curling lip: shadowed water, walled by the lip's foam
            // on its top and right, where the lip falls back into the trough.
            const double tx = (x - tubeX) / 12.0, ty = (y - tubeY) / 10.0;
            const double tube = std::sqrt(tx * tx + ty * ty);
            if (tube < 1 && depth >= -14) c = mix(c, {0.02, 0.20, 0.45}, smoothstep(1.0, 0.5, tube) * 0.85);
            const double n = noise(x / 5.0, y / 5.0);
            const double band = std::exp(-std::pow((x - 84) / 26.0, 2));
            double white = smoothstep(3 + 7 * band, 0, std::abs(depth)) * (0.5 + 0.6 * band);
            if (y < tubeY || x > tubeX)
                white += smoothstep(0.35, 0.0, std::abs(tube - 1.05)) * (x > tubeX - 14 ? 1 : 0);
            white += 1.2 * std::exp(-std::pow((x - tubeX - 9) / 9.0, 2) - std::pow((y - tubeY - 13) / 5.0, 2));
            white *= 0.55 + 0.6 * n;
            c = mix(c, foam, white);
            p.at(x, y) = c;
        }

    // Spray above the lip and bubbles in the water, from one fixed sequence.
    std::mt19937 random(1997);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    auto disc = [&p](double cx, double cy, double r, Rgb inside, double rim) {
        for (int y = std::max(0, int(cy - r - 2)); y < std::min(p.height, int(cy + r + 3)); ++y)
            for (int x = std::max(0, int(cx - r - 2)); x < std::min(p.width, int(cx + r + 3)); ++x) {
                const double d = std::hypot(x - cx, y - cy);
                if (d > r + 0.7) continue;
                Rgb& c = p.at(x, y);
                const double edge = smoothstep(r - 1.2, r, d) * smoothstep(r + 0.7, r - 0.3, d);
                c = mix(c, inside, 0.25 * smoothstep(r, 0, d));
                c = mix(c, {0.85, 0.95, 1.0}, edge * rim);
                const double hx = x - (cx - r * 0.35), hy = y - (cy - r * 0.35);
                c = mix(c, {1, 1, 1}, smoothstep(r * 0.35, 0, std::hypot(hx, hy)) * 0.9);
            }
    };
    for (int i = 0; i < 45; ++i) {
        const double a = unit(random) * 3.1, r = 10 + 14 * unit(random);
        disc(lipX + 6 + r * std::cos(a), lipY - 4 - r * std::sin(a) * 0.6, 0.6 + unit(random), {1, 1, 1}, 0.9);
    }
    for (int i = 0; i < 38; ++i) {
        const double x = 4 + 126 * unit(random), y = 68 + 36 * unit(random);
        const double r = 1.2 + 3.8 * std::pow(unit(random), 2);
        disc(x, y, r, {0.55, 0.80, 0.95}, 0.8);
    }
    return p;
}

// A billowing white cloud of steam rising from below into a clear blue sky.
Picture steamCloud() {
    Picture p(131, 100);
    const Noise noise(11);
    struct Puff {
        double x, y, r;
    };
    std::vector<Puff> puffs;
    // The column widens as it rises and spreads into a crown at the top.
    for (int i = 0; i <= 10; ++i) {
        const double t = i / 10.0;
        puffs.push_back({64 + 6 * std::sin(t * 5), 108 - 70 * t, 10 + 16 * t});
    }
    for (const Puff extra :
         {Puff{38, 40, 17}, Puff{90, 36, 19}, Puff{62, 24, 20}, Puff{104, 52, 12}, Puff{28, 58, 11}, Puff{76, 18, 14}})
        puffs.push_back(extra);

    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            Rgb c = mix({0.10, 0.38, 0.80}, {0.52, 0.76, 0.96}, y / 100.0);
            double density = 0, top = 0;
            for (const Puff& q : puffs) {
                const double d = std::hypot(x - q.x, y - q.y) / q.r;
                const double f = std::exp(-2.2 * d * d);
                density += f;
                top += f * std::clamp((q.y - y) / q.r, -1.0, 1.0);  // > 0 on the sunlit upper side
            }
            const double billow = noise(x / 9.0, y / 9.0);
            const double cover = smoothstep(0.30, 0.62, density * (0.75 + 0.5 * billow));
            const double light = 0.5 + 0.5 * std::tanh(2 * top / std::max(density, 1e-6));
            const Rgb cloud = mix({0.62, 0.68, 0.80}, {1, 1, 1}, std::pow(light, 0.7) * (0.65 + 0.5 * billow));
            p.at(x, y) = mix(c, cloud, cover);
        }
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const bool ok =
        writeJpeg(waterWave(), dir + "/water_wave.jpg") && writeJpeg(steamCloud(), dir + "/steam_cloud.jpg");
    if (!ok) std::fprintf(stderr, "cannot write the pictures into %s\n", dir.c_str());
    return ok ? 0 : 1;
}
