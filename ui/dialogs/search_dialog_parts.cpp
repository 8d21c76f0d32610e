#include "ui/dialogs/search_dialog_parts.h"

#include <QProgressBar>
#include <QTimer>
#include <QWidget>

#include "ui/widgets/qt_text.h"

namespace coilspring {

std::function<void(double)> FurthestProgress(std::atomic<int>& permille) {
  return [&permille](double share) {
    const int reported = static_cast<int>(share * 1000);
    int shown = permille.load();
    while (reported > shown && !permille.compare_exchange_weak(shown, reported)) {
    }
  };
}

void ShowSearchingState(bool searching, QWidget* searchButton, QWidget* resultLabel,
                        QProgressBar* progressBar, QWidget* cancelButton, QTimer* progressTimer) {
  searchButton->setEnabled(!searching);
  resultLabel->setVisible(!searching);
  progressBar->setVisible(searching);
  cancelButton->setVisible(searching);
  if (searching) {
    progressBar->setValue(0);
    progressTimer->start();
  } else {
    progressTimer->stop();
  }
}

QString CancelledSearchText() {
  return QStringLiteral("探索を中止しました（一覧は前の探索のままです）");
}

QString SearchSummaryText(std::int64_t evaluated, std::int64_t kept, double seconds, bool empty,
                          const std::string& nothingFound) {
  const QString counts = QStringLiteral("評価 %1 件、条件を満たす設計 %2 件、%3 秒")
                             .arg(evaluated)
                             .arg(kept)
                             .arg(ShortText(seconds));
  return empty ? counts + QStringLiteral("：") + Utf8(nothingFound) : counts;
}

}  // namespace coilspring
