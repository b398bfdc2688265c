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

namespace {

// A file's text as the statement shows it, on one page.
std::string kept_together(const std::string &text) {
  return "\\noindent\\begin{minipage}{\\linewidth}\n\\begin{verbatim}\n" + text + "\\end{verbatim}\n\\end{minipage}\n";
}

} // namespace

std::string no_chinese_latex() {
  // kpsewhich finds a TeX file as pdflatex would: the package, and the font's definitions for UTF-8.
  for (const char *file : {"CJKutf8.sty", "c70bkai.fd"})
    if (!on_path("kpsewhich") || run_logged({"kpsewhich", file}, "/dev/null", 60) != 0)
      return say(std::string("a Chinese statement needs LaTeX's CJK package and the Arphic Kai font, and ") + file +
                     " is missing: install them (Debian: latex-cjk-chinese latex-cjk-chinese-arphic-bkai00mp), or "
                     "leave zh-TW out of --statement-languages",
                 std::string("中文題目敘述需要 LaTeX 的 CJK 套件與文鼎楷書字型，但缺少 ") + file +
                     "：請安裝（Debian：latex-cjk-chinese latex-cjk-chinese-arphic-bkai00mp），或將 zh-TW 從 "
                     "--statement-languages 中移除");
  return {};
}

std::string write_statement_pdf(StatementLanguage language, const std::string &statement,
                                const std::string &sample_input, const std::string &sample_output,
                                const SampleWalk &walk, const std::string &pdf) {
  if (!on_path("pdflatex"))
    return no_pdflatex();
  const bool zh = language == StatementLanguage::chinese;
  if (std::string why = zh ? no_chinese_latex() : ""; !why.empty())
    return why;
  const std::string tex = std::string("\\documentclass[11pt]{article}\n\\usepackage[T1]{fontenc}\n") +
                          (zh ? "\\usepackage{CJKutf8}\n" : "") +
                          "\\newcommand{\\problemname}[1]{\\section*{#1}}\n\\begin{document}\n" +
                          (zh ? "\\begin{CJK}{UTF8}{bkai}\n" : "") + statement + "\n\\section*{" +
                          (zh ? "範例" : "Sample") + "}\n\\subsection*{" + (zh ? "輸入" : "Input") +
                          "}\n" + kept_together(sample_input) + "\\subsection*{" + (zh ? "輸出" : "Output") + "}\n" +
                          kept_together(sample_output) +
                          sample_explanation_latex(language, walk, true) + (zh ? "\\end{CJK}\n" : "") +
                          "\\end{document}\n";
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
