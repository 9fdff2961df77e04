// tibbo-art: draws every picture the pet shows into a build folder.
//
//   tibbo-art <build-dir> [--overlay <png>]
//
// writes <build-dir>/animations/blink/cat_blinkNNNN.jpg, and the stage background and
// icons in <build-dir>/generated/. --overlay also writes a drawing aid: the stage with
// the clickable body-part rectangles over it. The output is the same, byte for byte, on
// every run.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cat.h"
#include "icon.h"
#include "jpeg_writer.h"
#include "overlay.h"
#include "room.h"
#include "stage.h"

namespace fs = std::filesystem;
using namespace tibbo::art;

namespace {

// Chosen so a frame comes out at about 30 KB and the background at about 24 KB.
constexpr int kFrameQuality = 85;
constexpr int kBackgroundQuality = 82;

void write_bytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

std::string frame_name(const std::string& scene, int index) {
    char number[16];
    std::snprintf(number, sizeof number, "%04d", index);
    return "cat_" + scene + number + ".jpg";
}

int run(const fs::path& out, const fs::path& overlay) {
    const fs::path generated = out / "generated";
    const fs::path blink = out / "animations" / "blink";
    fs::create_directories(generated);
    fs::create_directories(blink);

    const Canvas canvas;
    const Surface room = render_room(canvas);

    // Blink: open, half shut, shut.
    const double openness[] = {1.0, 0.45, 0.0};
    for (int i = 0; i < 3; ++i) {
        CatPose pose;
        pose.eye_left.open = pose.eye_right.open = openness[i];
        const Surface frame = render_stage(room.get(), canvas, pose);
        write_jpeg(frame.get(), blink / frame_name("blink", i), kFrameQuality);
    }

    // The stage background stands in for the cat before the first frame shows.
    const Surface rest = render_stage(room.get(), canvas, CatPose{});
    write_jpeg(rest.get(), generated / "stage_background.jpg", kBackgroundQuality);
    if (!overlay.empty())
        write_region_overlay(rest.get(), overlay);

    const Surface icon = render_icon(256);
    if (cairo_surface_write_to_png(icon.get(), (generated / "icon_256.png").c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + (generated / "icon_256.png").string());
    write_bytes(generated / "icon_32x32.rgb", render_icon_rgb(32));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    fs::path out, overlay;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--overlay" && i + 1 < argc)
            overlay = argv[++i];
        else if (out.empty() && !arg.starts_with("-"))
            out = arg;
        else {
            out.clear();
            break;
        }
    }
    if (out.empty()) {
        std::fprintf(stderr, "usage: tibbo-art <build-dir> [--overlay <png>]\n");
        return 2;
    }
    try {
        return run(out, overlay);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tibbo-art: %s\n", e.what());
        return 1;
    }
}
