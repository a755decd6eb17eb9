// The aligned edit: a text edit kept to one line unless MultiLine is on, so that the alignment
// of its paragraph can centre the text.
#include "app/ocr/TAlignEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPalette>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace quelm {

namespace {

QString WithoutLineBreaks(QString text) {
  text.remove(QLatin1Char('\r'));
  text.replace(QLatin1Char('\n'), QString());
  text.replace(QChar::ParagraphSeparator, QString());
  text.replace(QChar::LineSeparator, QString());
  return text;
}

}  // namespace

TAlignEdit::TAlignEdit(QWidget* parent) : QTextEdit(parent) {
  setAcceptRichText(false);
  setTabChangesFocus(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  document()->setDocumentMargin(2);
  colorOnFocus_ = palette().color(QPalette::Base);
  colorOnNoFocus_ = colorOnFocus_;
  fontOnFocus_ = font();
  fontOnNoFocus_ = font();
  ApplyWrapping();
  connect(this, &QTextEdit::textChanged, this, [this] {
    if (!applying_) emit TextChanged(toPlainText());
  });
}

void TAlignEdit::SetText(const QString& text) {
  setPlainText(multiLine_ ? text : WithoutLineBreaks(text));
  ApplyAlignment();
  moveCursor(QTextCursor::End);
}

void TAlignEdit::SetAlignment(Qt::Alignment alignment) {
  alignment_ = alignment & Qt::AlignHorizontal_Mask;
  ApplyAlignment();
}

void TAlignEdit::SetColorOnFocus(const QColor& color) {
  colorOnFocus_ = color;
  if (hasFocus()) ApplyLook(true);
}

void TAlignEdit::SetColorOnNoFocus(const QColor& color) {
  colorOnNoFocus_ = color;
  if (!hasFocus()) ApplyLook(false);
}

void TAlignEdit::SetFontOnFocus(const QFont& font) {
  fontOnFocus_ = font;
  if (hasFocus()) ApplyLook(true);
}

void TAlignEdit::SetFontOnNoFocus(const QFont& font) {
  fontOnNoFocus_ = font;
  if (!hasFocus()) ApplyLook(false);
}

void TAlignEdit::SetMultiLine(bool on) {
  multiLine_ = on;
  if (!on) {
    wordWrap_ = false;
    const QString text = toPlainText();
    const QString joined = WithoutLineBreaks(text);
    if (joined != text) SetText(joined);
  } else {
    exitOnReturn_ = false;
  }
  ApplyWrapping();
}

void TAlignEdit::SetWordWrap(bool on) {
  wordWrap_ = on;
  // Through SetMultiLine, so that ExitOnReturn goes off with it and Return starts a new line.
  if (on)
    SetMultiLine(true);
  else
    ApplyWrapping();
}

void TAlignEdit::SetExitOnReturn(bool on) {
  exitOnReturn_ = on;
  if (on) SetMultiLine(false);
}

void TAlignEdit::keyPressEvent(QKeyEvent* event) {
  const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (isReturn && exitOnReturn_) {
    focusNextChild();
    event->accept();
    return;
  }
  if (!multiLine_ && !exitOnReturn_) {
    if (isReturn) {
      QApplication::beep();
      event->accept();
      return;
    }
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
      QKeyEvent sideways(event->type(), event->key() == Qt::Key_Up ? Qt::Key_Left : Qt::Key_Right,
                         event->modifiers());
      QTextEdit::keyPressEvent(&sideways);
      event->setAccepted(sideways.isAccepted());
      return;
    }
  }
  QTextEdit::keyPressEvent(event);
}

void TAlignEdit::focusInEvent(QFocusEvent* event) {
  QTextEdit::focusInEvent(event);
  ApplyLook(true);
  if (autoSelect_ && event->reason() != Qt::MouseFocusReason) selectAll();
}

void TAlignEdit::focusOutEvent(QFocusEvent* event) {
  QTextEdit::focusOutEvent(event);
  ApplyLook(false);
}

void TAlignEdit::insertFromMimeData(const QMimeData* source) {
  if (multiLine_ || source == nullptr || !source->hasText()) {
    QTextEdit::insertFromMimeData(source);
    return;
  }
  textCursor().insertText(WithoutLineBreaks(source->text()));
}

void TAlignEdit::ApplyLook(bool focused) {
  QPalette p = palette();
  p.setColor(QPalette::Base, focused ? colorOnFocus_ : colorOnNoFocus_);
  setPalette(p);
  setFont(focused ? fontOnFocus_ : fontOnNoFocus_);
  // The document keeps its own default font; without this the text would not follow.
  document()->setDefaultFont(font());
}

void TAlignEdit::ApplyAlignment() {
  // A format change is not a text change for the listeners.
  applying_ = true;
  QTextOption option = document()->defaultTextOption();
  option.setAlignment(alignment_);
  document()->setDefaultTextOption(option);
  QTextCursor all(document());
  all.select(QTextCursor::Document);
  QTextBlockFormat format;
  format.setAlignment(alignment_);
  all.mergeBlockFormat(format);
  applying_ = false;
}

void TAlignEdit::ApplyWrapping() {
  setLineWrapMode(wordWrap_ ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  setVerticalScrollBarPolicy(multiLine_ ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

}  // namespace quelm
