// The statement as a PDF, for judges that show one (CMS).
#pragma once
#include <string>

// Compiles the statement's LaTeX (see statement.h), then the example's input and
// output and their explanation, into a PDF at pdf, with pdflatex. Returns an empty string, or
// what went wrong (pdflatex missing, or its error).
std::string write_statement_pdf(const std::string &statement, const std::string &sample_input,
                                const std::string &sample_output, const std::string &pdf);

// What to say when pdflatex is not on the PATH.
std::string no_pdflatex();
