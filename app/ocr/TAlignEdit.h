// An edit control with a text alignment, its own colour and font with and without focus, and
// single-line key handling (Return swallowed or moving on, Up and Down as Left and Right).
#pragma once

#include <QColor>
#include <QFont>
#include <QTextEdit>

namespace quelm {

class TAlignEdit : public QTextEdit {
  Q_OBJECT
  Q_PROPERTY(Qt::Alignment Alignment READ Alignment WRITE SetAlignment)
  Q_PROPERTY(QColor ColorOnFocus READ ColorOnFocus WRITE SetColorOnFocus)
  Q_PROPERTY(QColor ColorOnNoFocus READ ColorOnNoFocus WRITE SetColorOnNoFocus)
  Q_PROPERTY(QFont FontOnFocus READ FontOnFocus WRITE SetFontOnFocus)
  Q_PROPERTY(QFont FontOnNoFocus READ FontOnNoFocus WRITE SetFontOnNoFocus)
  Q_PROPERTY(bool MultiLine READ MultiLine WRITE SetMultiLine)
  Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
  Q_PROPERTY(bool ExitOnReturn READ ExitOnReturn WRITE SetExitOnReturn)
  Q_PROPERTY(bool AutoSelect READ AutoSelect WRITE SetAutoSelect)
  Q_PROPERTY(QString Text READ Text WRITE SetText NOTIFY TextChanged)

 public:
  explicit TAlignEdit(QWidget* parent = nullptr);

  QString Text() const { return toPlainText(); }
  // Replaces the text; line breaks are dropped unless MultiLine is on.
  void SetText(const QString& text);

  Qt::Alignment Alignment() const { return alignment_; }
  void SetAlignment(Qt::Alignment alignment);
  QColor ColorOnFocus() const { return colorOnFocus_; }
  void SetColorOnFocus(const QColor& color);
  QColor ColorOnNoFocus() const { return colorOnNoFocus_; }
  void SetColorOnNoFocus(const QColor& color);
  QFont FontOnFocus() const { return fontOnFocus_; }
  void SetFontOnFocus(const QFont& font);
  QFont FontOnNoFocus() const { return fontOnNoFocus_; }
  void SetFontOnNoFocus(const QFont& font);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool on);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  bool ExitOnReturn() const { return exitOnReturn_; }
  void SetExitOnReturn(bool on);
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool on) { autoSelect_ = on; }

 signals:
  // Every change of the text, typed or set.
  void TextChanged(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  void ApplyLook(bool focused);
  void ApplyAlignment();
  void ApplyWrapping();

  Qt::Alignment alignment_ = Qt::AlignLeft;
  QColor colorOnFocus_;
  QColor colorOnNoFocus_;
  QFont fontOnFocus_;
  QFont fontOnNoFocus_;
  bool multiLine_ = false;
  bool wordWrap_ = false;
  bool exitOnReturn_ = false;
  bool autoSelect_ = true;
  bool applying_ = false;
};

}  // namespace quelm
