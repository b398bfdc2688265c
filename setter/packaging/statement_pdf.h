// The statement as a PDF, for judges that show one (CMS), in English or in
// Traditional Chinese.
#pragma once
#include <string>

#include "setter/packaging/statement.h"

// Compiles the statement's LaTeX (see statement.h), then the example's input and
// output and their explanation from walk, in language, into a PDF at pdf, with
// pdflatex (Chinese with the CJK package and the Arphic Kai font). Returns an
// empty string, or what went wrong (pdflatex or the Chinese fonts missing, or
// pdflatex's error).
std::string write_statement_pdf(StatementLanguage language, const std::string &statement,
                                const std::string &sample_input, const std::string &sample_output,
                                const SampleWalk &walk, const std::string &pdf);

// What to say when pdflatex is not on the PATH.
std::string no_pdflatex();

// Why a Chinese statement cannot be built here (the CJK LaTeX package or its
// Traditional Chinese font missing), or "" when it can.
std::string no_chinese_latex();
