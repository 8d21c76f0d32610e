// What the design-search windows share around a running search: its progress as the threads
// report it, the controls shown while it runs and the line that sums a finished one up.
#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

class QProgressBar;
class QTimer;
class QWidget;

namespace coilspring {

// A progress callback keeping in `permille` the furthest share reported, in thousandths: the
// searching threads report out of order, and the bar is not to go back.
std::function<void(double)> FurthestProgress(std::atomic<int>& permille);

// Puts a search window's controls into the state of a running search, or back.
void ShowSearchingState(bool searching, QWidget* searchButton, QWidget* resultLabel,
                        QProgressBar* progressBar, QWidget* cancelButton, QTimer* progressTimer);

// The line under a stopped search.
QString CancelledSearchText();
// The line under a finished search: its counts and time, and `nothingFound` when it kept nothing.
QString SearchSummaryText(std::int64_t evaluated, std::int64_t kept, double seconds, bool empty,
                          const std::string& nothingFound);

}  // namespace coilspring
