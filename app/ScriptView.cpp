#include "app/ScriptView.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <span>

#include "output/TextLines.h"

namespace quelm {

namespace {

// The script view is editable, but Enter breaks no line there: a line break typed in would
// shift every rendered line after it.
class NoLineBreakKeys : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;
    }
    return QObject::eventFilter(watched, event);
  }
};

// The lines from `first` on, as the view takes them.
QString Tail(const std::vector<std::string>& lines, std::size_t first) {
  return QString::fromStdString(JoinTextLines(std::span(lines).subspan(first)));
}

}  // namespace

ScriptView::ScriptView(QPlainTextEdit* view) : view_(view), timer_(new QTimer(view)) {
  view->installEventFilter(new NoLineBreakKeys(view));
  timer_->setSingleShot(true);
  timer_->setInterval(CoalesceMs);
  QObject::connect(timer_, &QTimer::timeout, view, [this] {
    if (pending_) ShowNow(*pending_);
    pending_ = nullptr;
  });
}

void ScriptView::Show(const std::vector<std::string>& lines) {
  if (!coalescing_) {
    timer_->stop();
    pending_ = nullptr;
    ShowNow(lines);
    return;
  }
  pending_ = &lines;
  if (!timer_->isActive()) timer_->start();
}

void ScriptView::SetCoalescing(bool on) {
  coalescing_ = on;
  if (on || !pending_) return;
  timer_->stop();
  const std::vector<std::string>* lines = pending_;
  pending_ = nullptr;
  ShowNow(*lines);
}

void ScriptView::ShowNow(const std::vector<std::string>& lines) {
  QTextDocument* document = view_->document();
  // A view left at its end follows the newest subtitle; one scrolled up stays where it is.
  const QScrollBar* scroll = view_->verticalScrollBar();
  const bool atEnd = scroll->value() >= scroll->maximum();
  // One block per shown line, untouched since: only then do block numbers name lines.
  const bool intact = !shown_.empty() && document->revision() == revision_ &&
                      static_cast<std::size_t>(document->blockCount()) == shown_.size();
  std::size_t same = 0;
  if (intact) {
    while (same < shown_.size() && same < lines.size() && shown_[same] == lines[same]) ++same;
  }

  if (!intact || same == 0 || lines.empty()) {
    Rewrite(lines);
  } else if (same < shown_.size() || same < lines.size()) {
    QTextCursor cursor(document);
    // A rewrite leaves nothing to undo either; an undo history of a film's renderings would
    // only grow.
    document->setUndoRedoEnabled(false);
    cursor.beginEditBlock();
    if (same == shown_.size()) {
      // New lines after the last one shown.
      cursor.movePosition(QTextCursor::End);
      cursor.insertText(QStringLiteral("\n") + Tail(lines, same));
    } else {
      const QTextBlock block = document->findBlockByNumber(static_cast<int>(same));
      if (same == lines.size()) {
        // Lines to drop at the end, with the line break before them.
        cursor.setPosition(block.position() - 1);
      } else {
        cursor.setPosition(block.position());
      }
      cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
      cursor.insertText(Tail(lines, same));
    }
    cursor.endEditBlock();
    document->setUndoRedoEnabled(true);
  }
  shown_.resize(same);
  shown_.insert(shown_.end(), lines.begin() + static_cast<std::ptrdiff_t>(same), lines.end());
  revision_ = document->revision();
  if (atEnd) view_->verticalScrollBar()->setValue(view_->verticalScrollBar()->maximum());
}

void ScriptView::Rewrite(const std::vector<std::string>& lines) {
  view_->setPlainText(QString::fromStdString(JoinTextLines(lines)));
}

}  // namespace quelm
