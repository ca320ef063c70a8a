#include "tools/veltrane/preview_render.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

#include "tools/veltrane/slot_pixel.h"

namespace veltrane::tools {
namespace {

// One row of one tile: the unit of work handed to a render thread.
struct RowJob {
    const PluginTexmap* map;
    std::uint32_t* row;
    int y;
};

class RowShader {
  public:
    RowShader(const SlotGeometry& geometry, SlotShading shading)
        : geometry_(geometry), shading_(shading) {}

    // Shades one row; returns the number of samples taken.
    std::uint64_t Shade(const RowJob& job) const {
        std::uint64_t samples = 0;
        for (int x = 0; x < geometry_.Size(); ++x) {
            job.row[x] = Pixel(*job.map, x, job.y, samples);
        }
        return samples;
    }

  private:
    // Shading is the same for every evaluator of the map; here it is the loaded module.
    std::uint32_t Pixel(const PluginTexmap& map, int x, int y, std::uint64_t& samples) const {
        const auto evalColor = [&map](const Point3& normal) {
            return map.EvalColor(normal, kSlotView);
        };
        return ShadeSlotPixel(geometry_, shading_, x, y, evalColor, samples);
    }

    const SlotGeometry& geometry_;
    SlotShading shading_;
};

// The rows still to render, handed out one at a time, and the tally of the work done.
class RowQueue {
  public:
    explicit RowQueue(const std::vector<RowJob>& jobs) : jobs_(jobs) {}

    // Starts a render thread on the queue; false if the system has no thread to give.
    bool StartWorker(std::vector<std::thread>& workers, const RowShader& shader) {
        const std::lock_guard<std::mutex> lock(mutex_);
        try {
            workers.emplace_back([this, &shader] { Work(shader); });
        } catch (const std::system_error&) {
            return false;
        }
        ++running_;
        return true;
    }

    // A render thread's loop: rows until none is left.
    void Work(const RowShader& shader) {
        std::uint64_t mine = 0;
        for (std::size_t i = next_++; i < jobs_.size(); i = next_++) {
            mine += shader.Shade(jobs_[i]);
            ++rowsDone_;
        }
        samples_ += mine;
        const std::lock_guard<std::mutex> lock(mutex_);
        if (--running_ == 0) finished_.notify_one();
    }

    // Until every render thread is through, reports the fraction done about ten times a second.
    void Await(const RenderProgress& progress) {
        std::unique_lock<std::mutex> lock(mutex_);
        while (!finished_.wait_for(lock, std::chrono::milliseconds(100),
                                   [this] { return running_ == 0; })) {
            progress(static_cast<double>(rowsDone_.load()) / static_cast<double>(jobs_.size()));
        }
        progress(1.0);
    }

    std::uint64_t Samples() const { return samples_.load(); }

  private:
    const std::vector<RowJob>& jobs_;
    std::atomic<std::size_t> next_{0}, rowsDone_{0};
    std::atomic<std::uint64_t> samples_{0};
    std::mutex mutex_;
    std::condition_variable finished_;
    int running_ = 0;
};

}  // namespace

SlotPixels RenderSlots(const std::vector<const PluginTexmap*>& maps, int size, SlotShading shading,
                       int threads, const RenderProgress& progress) {
    SlotPixels pixels;
    pixels.size = size;
    const std::size_t width = static_cast<std::size_t>(size);
    std::vector<RowJob> jobs;
    pixels.tiles.reserve(maps.size());
    for (const PluginTexmap* map : maps) {
        pixels.tiles.emplace_back(width * width);
        for (int y = 0; y < size; ++y) {
            jobs.push_back(
                {map, pixels.tiles.back().data() + width * static_cast<std::size_t>(y), y});
        }
    }

    const SlotGeometry geometry(size);
    const RowShader shader(geometry, shading);
    RowQueue queue(jobs);
    std::vector<std::thread> workers;
    workers.reserve(static_cast<std::size_t>(threads));
    for (int t = 0; t < threads && queue.StartWorker(workers, shader); ++t) {
    }
    if (workers.empty()) {
        queue.Work(shader);  // no thread to be had: the calling thread renders
    } else if (progress) {
        queue.Await(progress);
    }
    for (std::thread& worker : workers) worker.join();
    pixels.samples = queue.Samples();
    return pixels;
}

}  // namespace veltrane::tools
