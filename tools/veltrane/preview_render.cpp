// Renders sample slots on several threads: bands of rows handed out from one queue.
#include "tools/veltrane/preview_render.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <system_error>
#include <thread>

#include "tools/veltrane/slot_pixel.h"

namespace veltrane::tools {
namespace {

// Rows go to the render threads in bands of about this many pixels. Each band taken writes
// the queue's counters, which every thread shares, and the pixels at either end of a band
// share a cache line with the neighbouring band, which the other thread may be writing. With
// bands of single rows at 128 pixels those transfers cost two threads 4 to 8% of their speed;
// with four rows they are lost in the noise, and the last band still ends the render soon.
constexpr int kBandPixels = 512;

// Keeps what the render threads write apart from what they only read.
constexpr std::size_t kCacheLine = 64;

// Consecutive rows of one tile: the unit of work handed to a render thread.
struct BandJob {
    const PluginTexmap* map;
    std::uint32_t* pixels;  // the first pixel of row y
    int y;
    int rows;
};

class BandShader {
  public:
    BandShader(const SlotGeometry& geometry, SlotShading shading)
        : geometry_(geometry), shading_(shading) {}

    // Shades the rows of one band; returns the number of samples taken.
    std::uint64_t Shade(const BandJob& job) const {
        std::uint64_t samples = 0;
        std::uint32_t* out = job.pixels;
        for (int y = job.y; y < job.y + job.rows; ++y) {
            for (int x = 0; x < geometry_.Size(); ++x) *out++ = Pixel(*job.map, x, y, samples);
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

// The bands still to render, handed out one at a time, and the tally of the work done.
class BandQueue {
  public:
    BandQueue(const std::vector<BandJob>& jobs, std::size_t rows)
        : jobs_(jobs.data()), count_(jobs.size()), rows_(rows) {}

    // Starts a render thread on the queue; false if the system has no thread to give.
    bool StartWorker(std::vector<std::thread>& workers, const BandShader& shader) {
        const std::lock_guard<std::mutex> lock(mutex_);
        try {
            workers.emplace_back([this, &shader] { Work(shader); });
        } catch (const std::system_error&) {
            return false;
        }
        ++running_;
        return true;
    }

    // A render thread's loop: bands until none is left.
    void Work(const BandShader& shader) {
        std::uint64_t mine = 0;
        for (std::size_t i = next_++; i < count_; i = next_++) {
            mine += shader.Shade(jobs_[i]);
            rowsDone_ += static_cast<std::size_t>(jobs_[i].rows);
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
            progress(static_cast<double>(rowsDone_.load()) / static_cast<double>(rows_));
        }
        progress(1.0);
    }

    std::uint64_t Samples() const { return samples_.load(); }

  private:
    // Read by every render thread for every band.
    const BandJob* const jobs_;
    const std::size_t count_;
    const std::size_t rows_;
    // Written by every render thread for every band, each on a line of its own.
    alignas(kCacheLine) std::atomic<std::size_t> next_{0};
    alignas(kCacheLine) std::atomic<std::size_t> rowsDone_{0};
    // Written once by each render thread.
    alignas(kCacheLine) std::atomic<std::uint64_t> samples_{0};
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
    const int bandRows = std::max(1, (kBandPixels + size - 1) / size);
    std::vector<BandJob> jobs;
    jobs.reserve(maps.size() * static_cast<std::size_t>((size + bandRows - 1) / bandRows));
    pixels.tiles.reserve(maps.size());
    for (const PluginTexmap* map : maps) {
        std::vector<std::uint32_t>& tile = pixels.tiles.emplace_back(width * width);
        for (int y = 0; y < size; y += bandRows) {
            jobs.push_back({map, tile.data() + width * static_cast<std::size_t>(y), y,
                            std::min(bandRows, size - y)});
        }
    }

    const SlotGeometry geometry(size);
    const BandShader shader(geometry, shading);
    BandQueue queue(jobs, maps.size() * width);
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
