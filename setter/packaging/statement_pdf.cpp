// The statement in a plain LaTeX article: the Kattis class is not needed.
#include "setter/packaging/statement_pdf.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "setter/language/language.h"
#include "setter/storage/folder.h"
#include "setter/packaging/statement.h"
#include "setter/running/programs.h"
#include "setter/running/runner.h"

namespace fs = std::filesystem;

std::string no_pdflatex() {
  return say("pdflatex not found: install it (Debian: texlive-latex-base) or pass --no-statement",
             "找不到 pdflatex：請安裝（Debian：texlive-latex-base），或加上 --no-statement");
}

std::string write_statement_pdf(const std::string &statement, const std::string &sample_input,
                                const std::string &sample_output, const std::string &pdf) {
  if (!on_path("pdflatex"))
    return no_pdflatex();
  const std::string tex = "\\documentclass[11pt]{article}\n\\usepackage[T1]{fontenc}\n"
                          "\\newcommand{\\problemname}[1]{\\section*{#1}}\n\\begin{document}\n" + statement +
                          "\n\\section*{Sample}\n\\subsection*{Input}\n\\begin{verbatim}\n" + sample_input +
                          "\\end{verbatim}\n\\subsection*{Output}\n\\begin{verbatim}\n" + sample_output +
                          "\\end{verbatim}\n" + sample_explanation_latex(true) + "\\end{document}\n";
  std::string work = (fs::temp_directory_path() / "setter_statement_XXXXXX").string();
  if (!mkdtemp(work.data()))
    return say("cannot make a folder for pdflatex", "無法為 pdflatex 建立資料夾");
  std::string error;
  const fs::path source = fs::path(work) / "statement.tex", log = fs::path(work) / "pdflatex.log";
  if (!put_file(source, tex))
    error = say("cannot write ", "無法寫入 ") + source.string();
  else if (run_logged({"pdflatex", "-interaction=nonstopmode", "-halt-on-error", "-output-directory=" + work,
                       source.string()},
                      log.string(), 300) != 0)
    error = say("pdflatex failed on the statement; its log: ", "pdflatex 編譯題目敘述失敗，記錄檔：") + log.string();
  std::error_code failure;
  if (error.empty() && !fs::copy_file(fs::path(work) / "statement.pdf", pdf, failure))
    error = say("cannot write ", "無法寫入 ") + pdf;
  if (error.empty())
    fs::remove_all(work, failure);
  return error;
}
