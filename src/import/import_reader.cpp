// The workers. Each input is read outside the lock; only taking the next input and handing in the
// result hold it.
#include "import/import_reader.h"

#include <algorithm>

namespace sb::import {

ImportReader::ImportReader(std::vector<ImportInput> inputs, unsigned workers, std::size_t firstKey)
    : inputs_(std::move(inputs)), firstKey_(firstKey) {
    if (workers == 0) workers = std::max(1u, std::thread::hardware_concurrency());
    workers = unsigned(std::min<std::size_t>(workers, inputs_.size()));
    for (unsigned i = 0; i < workers; ++i)
        workers_.emplace_back([this](std::stop_token stop) { work(stop); });
}

ImportReader::~ImportReader() {
    cancel();
}

std::size_t ImportReader::finishedCount() const {
    std::lock_guard lock(mutex_);
    return finished_;
}

void ImportReader::work(std::stop_token stop) {
    for (;;) {
        std::size_t index = 0;
        {
            std::lock_guard lock(mutex_);
            if (next_ == inputs_.size()) return;
            index = next_++;
            if (stop.stop_requested()) {
                ++finished_;
                ready_.notify_all();
                continue;
            }
        }
        std::vector<ImportedActivity> read =
            readImportInput(inputs_[index], firstKey_ + index, [&stop] { return stop.stop_requested(); });
        std::lock_guard lock(mutex_);
        std::move(read.begin(), read.end(), std::back_inserter(done_));
        ++finished_;
        ready_.notify_all();
    }
}

bool ImportReader::collect(std::vector<ImportedActivity>& activities, std::chrono::milliseconds wait) {
    std::vector<ImportedActivity> taken;
    {
        std::unique_lock lock(mutex_);
        ready_.wait_for(lock, wait, [this] { return !done_.empty() || finished_ == inputs_.size(); });
        taken.swap(done_);
    }
    if (taken.empty()) return false;
    std::move(taken.begin(), taken.end(), std::back_inserter(activities));
    std::sort(activities.begin(), activities.end(),
              [](const ImportedActivity& a, const ImportedActivity& b) { return a.key < b.key; });
    return true;
}

void ImportReader::cancel() {
    for (std::jthread& worker : workers_) worker.request_stop();
}

std::vector<ImportedActivity> readAllInputs(const std::vector<ImportInput>& inputs) {
    ImportReader reader(inputs);
    std::vector<ImportedActivity> activities;
    while (!reader.finished()) reader.collect(activities, std::chrono::milliseconds(100));
    reader.collect(activities, std::chrono::milliseconds(0));
    return activities;
}

}  // namespace sb::import
