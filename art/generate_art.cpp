// tibbo-art: draws every picture the pet shows into a build folder.
//
//   tibbo-art <build-dir> [--overlay <png>] [--only <action>]
//
// writes <build-dir>/animations/blink/cat_blinkNNNN.jpg, every frame of every action in
// <build-dir>/animations/ under the names of the action table, and the stage background
// and icons in <build-dir>/generated/. --only draws just that action's frames. --overlay also writes a drawing aid: the stage with
// the clickable body-part rectangles over it. The output is the same, byte for byte, on
// every run.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "data/action_table.h"

#include "cat.h"
#include "icon.h"
#include "jpeg_writer.h"
#include "overlay.h"
#include "room.h"
#include "scene.h"
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

struct FrameJob {
    const tibbo::data::ActionRow* action;
    SceneFunction scene;
    int frame;
};

// The frame's file: the action's folder and prefix, two digits, ".jpg".
fs::path action_frame_path(const fs::path& animations, const tibbo::data::ActionRow& action, int frame) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02d", frame);
    return animations / (std::string(action.framePrefix) + digits + ".jpg");
}

// Every frame is independent of the others, so they are drawn on all cores; the bytes
// do not depend on which thread drew them.
void draw_actions(const fs::path& animations, cairo_surface_t* room, const Canvas& canvas,
                  const std::string& only) {
    std::vector<FrameJob> jobs;
    for (const auto& action : tibbo::data::actionTable) {
        if (!only.empty() && action.name != only)
            continue;
        const SceneFunction scene = find_scene(action.name);
        if (scene == nullptr)
            throw std::runtime_error("no scene is drawn for " + std::string(action.name));
        fs::create_directories(action_frame_path(animations, action, 1).parent_path());
        for (int frame = 1; frame <= action.frameCount; ++frame)
            jobs.push_back({&action, scene, frame});
    }
    if (!only.empty() && jobs.empty())
        throw std::runtime_error("no action is called " + only);

    std::atomic<std::size_t> next{0};
    std::mutex failure_lock;
    std::string failure;
    const auto work = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            const FrameJob& job = jobs[i];
            try {
                const SceneFrame frame = job.scene(job.frame, job.action->frameCount);
                const Surface picture = render_stage(room, canvas, frame);
                write_jpeg(picture.get(), action_frame_path(animations, *job.action, job.frame), kFrameQuality);
            } catch (const std::exception& e) {
                const std::lock_guard<std::mutex> hold(failure_lock);
                failure = e.what();
                next = jobs.size();
            }
        }
    };
    std::vector<std::thread> workers;
    const unsigned count = std::max(1u, std::thread::hardware_concurrency());
    for (unsigned i = 0; i < count; ++i)
        workers.emplace_back(work);
    for (auto& worker : workers)
        worker.join();
    if (!failure.empty())
        throw std::runtime_error(failure);
}

int run(const fs::path& out, const fs::path& overlay, const std::string& only) {
    const fs::path generated = out / "generated";
    const fs::path blink = out / "animations" / "blink";
    fs::create_directories(generated);
    fs::create_directories(blink);

    const Canvas canvas;
    const Surface room = render_room(canvas);
    draw_actions(out / "animations", room.get(), canvas, only);
    if (!only.empty())
        return 0;

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
    std::string only;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--overlay" && i + 1 < argc)
            overlay = argv[++i];
        else if (arg == "--only" && i + 1 < argc)
            only = argv[++i];
        else if (out.empty() && !arg.starts_with("-"))
            out = arg;
        else {
            out.clear();
            break;
        }
    }
    if (out.empty()) {
        std::fprintf(stderr, "usage: tibbo-art <build-dir> [--overlay <png>] [--only <action>]\n");
        return 2;
    }
    try {
        return run(out, overlay, only);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tibbo-art: %s\n", e.what());
        return 1;
    }
}
