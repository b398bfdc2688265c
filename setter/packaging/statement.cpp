// The statement from its embedded parts.
#include "setter/packaging/statement.h"

#include "setter/packaging/embedded.h"

std::string statement_latex(const std::string &title, bool partial_scores) {
  const std::string body = embedded("statement.tex");
  return "\\problemname{" + title + "}" + body.substr(body.find('\n')) +
         (partial_scores ? "\n" + embedded("scoring.tex") : std::string());
}
