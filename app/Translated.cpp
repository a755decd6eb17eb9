// Core messages through Qt's translations (context "quelm::core").
#include "app/Translated.h"

#include <QCoreApplication>
#include <string>
#include <vector>

namespace quelm {

QString Translated(const Phrase& phrase) {
  if (!phrase.Marked()) return QString::fromStdString(phrase.Pattern());
  std::vector<std::string> arguments;
  arguments.reserve(phrase.Arguments().size());
  for (const Phrase& argument : phrase.Arguments())
    arguments.push_back(Translated(argument).toStdString());
  // Filled as the core fills the English pattern, so an argument's own "%1" stays as it is.
  const QString pattern = QCoreApplication::translate(Phrase::Context, phrase.Pattern().c_str());
  return QString::fromStdString(FillPattern(pattern.toStdString(), arguments));
}

}  // namespace quelm
