// Reading an import's inputs off the caller's thread: worker threads take the inputs one by one,
// several at once, and the caller collects the activities of the inputs finished so far, so rows can
// appear while the rest is still read.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>
#include <vector>

#include "import/import_inputs.h"

namespace sb::import {

class ImportReader {
  public:
    // Starts reading at once with `workers` threads (0: one per core), never more than inputs. Keys
    // number the inputs from `firstKey`, so several readers of one import keep apart.
    explicit ImportReader(std::vector<ImportInput> inputs, unsigned workers = 0, std::size_t firstKey = 0);
    // Stops the workers after the file each is reading and waits for them.
    ~ImportReader();
    ImportReader(const ImportReader&) = delete;
    ImportReader& operator=(const ImportReader&) = delete;

    std::size_t inputCount() const { return inputs_.size(); }
    std::size_t finishedCount() const;
    bool finished() const { return finishedCount() == inputs_.size(); }

    // Waits up to `wait` while nothing new is finished, then adds the activities finished since the
    // last call to `activities`, kept in key order. Whether any were added.
    bool collect(std::vector<ImportedActivity>& activities, std::chrono::milliseconds wait);
    // Workers stop after the file they are reading; what they had not begun stays unread.
    void cancel();

  private:
    void work(std::stop_token stop);

    const std::vector<ImportInput> inputs_;
    const std::size_t firstKey_;
    mutable std::mutex mutex_;
    std::condition_variable_any ready_;
    std::size_t next_ = 0;      // the next input a worker takes
    std::size_t finished_ = 0;  // inputs read, or given up when cancelled
    std::vector<ImportedActivity> done_;  // read and not yet collected
    std::vector<std::jthread> workers_;   // last: stopped and joined before the rest goes
};

// Every activity of the inputs, read on all cores; for callers that wait for the end.
std::vector<ImportedActivity> readAllInputs(const std::vector<ImportInput>& inputs);

}  // namespace sb::import
