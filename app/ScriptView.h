// Puts the rendered script into the script view. A rendering after a new record mostly repeats
// the one before, so only the lines from the first difference on are replaced; a whole film's
// script rewritten and laid out again after every subtitle made "all" slow.
#pragma once

#include <string>
#include <vector>

class QPlainTextEdit;
class QTimer;

namespace quelm {

class ScriptView {
 public:
  explicit ScriptView(QPlainTextEdit* view);

  // Afterwards the view reads exactly `lines`, one per line. Whatever the user typed into the
  // view since the last call is replaced, as a full rewrite would do.
  //
  // While coalescing, the view shows `lines` within CoalesceMs instead; `lines` must then stay
  // alive, holding the newest rendering, until the next call.
  void Show(const std::vector<std::string>& lines);

  // For "all": it renders after every subtitle, but nobody reads a view that changes many
  // times a second, and laying it out each time cost as much as reading. Switching it off shows
  // what is pending at once.
  void SetCoalescing(bool on);
  static constexpr int CoalesceMs = 250;

 private:
  void ShowNow(const std::vector<std::string>& lines);
  void Rewrite(const std::vector<std::string>& lines);

  QPlainTextEdit* view_;
  QTimer* timer_;
  bool coalescing_ = false;
  const std::vector<std::string>* pending_ = nullptr;
  std::vector<std::string> shown_;
  // The document's revision after the last change made here; another value means someone else
  // changed it.
  int revision_ = -1;
};

}  // namespace quelm
