// The statement in a plain LaTeX article: the Kattis class is not needed.
#include "setter/packaging/statement_pdf.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "setter/packaging/embedded.h"
#include "setter/packaging/folder.h"
#include "setter/packaging/programs.h"

namespace fs = std::filesystem;

std::string write_statement_pdf(const std::string &title, const std::string &sample_input,
                                const std::string &sample_output, const std::string &pdf) {
  if (!on_path("pdflatex"))
    return "pdflatex not found: install it (Debian: texlive-latex-base) or pass --no-statement";
  const std::string body = embedded("statement.tex");
  const std::string tex = "\\documentclass[11pt]{article}\n\\usepackage[T1]{fontenc}\n"
                          "\\newcommand{\\problemname}[1]{\\section*{#1}}\n\\begin{document}\n\\problemname{" +
                          title + "}" + body.substr(body.find('\n')) +
                          "\n\\section*{Sample}\n\\subsection*{Input}\n\\begin{verbatim}\n" + sample_input +
                          "\\end{verbatim}\n\\subsection*{Output}\n\\begin{verbatim}\n" + sample_output +
                          "\\end{verbatim}\n\\end{document}\n";
  std::string work = (fs::temp_directory_path() / "setter_statement_XXXXXX").string();
  if (!mkdtemp(work.data()))
    return "cannot make a folder for pdflatex";
  std::string error;
  const fs::path source = fs::path(work) / "statement.tex", log = fs::path(work) / "pdflatex.log";
  if (!put_file(source, tex))
    error = "cannot write " + source.string();
  else if (run_logged({"pdflatex", "-interaction=nonstopmode", "-halt-on-error", "-output-directory=" + work,
                       source.string()},
                      log.string()) != 0)
    error = "pdflatex failed on the statement; its log: " + log.string();
  std::error_code failure;
  if (error.empty() && !fs::copy_file(fs::path(work) / "statement.pdf", pdf, failure))
    error = "cannot write " + pdf;
  if (error.empty())
    fs::remove_all(work, failure);
  return error;
}
