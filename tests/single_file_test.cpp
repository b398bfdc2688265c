// The generated single files are private by construction: every source keeps its
// helpers in a namespace of its own (STEM_internal), opens no anonymous namespace
// (in one file they all merge into one) and no using-directive at namespace
// scope, and no name is defined at namespace scope by two sources outside their
// own namespaces, where an overload could change which one a call picks.
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Section {
  std::string path;
  std::vector<std::string> lines;
};

// The single file cut into the sources it was made of, by its #line directives:
// a source resumes after each header it includes.
std::vector<Section> sections_of(const std::string &file) {
  std::ifstream in(file);
  std::vector<Section> sections;
  std::map<std::string, std::size_t> index;
  static const std::regex directive(R"re(^#line \d+ "([^"]+)")re");
  Section *current = nullptr;
  std::smatch m;
  for (std::string line; std::getline(in, line);)
    if (std::regex_search(line, m, directive)) {
      const auto [at, added] = index.emplace(m[1].str(), sections.size());
      if (added)
        sections.push_back({m[1].str(), {}});
      current = &sections[at->second];
    } else if (current && line.rfind("// ---- ", 0) != 0) {
      current->lines.push_back(line);
    }
  return sections;
}

// The line without comments, string and character literals.
std::string code_of(const std::string &line) {
  static const std::regex literal(R"re("(\\.|[^"\\])*"|'(\\.|[^'\\])*')re");
  std::string code = std::regex_replace(line, literal, "\"\"");
  return code.substr(0, code.find("//"));
}

// The name a statement at namespace scope defines, or "" for a declaration: a
// type with a body, a function with a body, a variable that is not extern.
std::string defined_name(const std::string &statement) {
  static const std::regex type(R"(^\s*(?:struct|class|enum(?:\s+class)?|union)\s+(?:alignas\([^)]*\)\s*)?(\w+)[^;]*\{)"),
      function(R"(^[^=(]*?\b(\w+)\s*\()"), variable(R"(^[^(]*?\b(\w+)\s*(?:\[[^\]]*\]\s*)*(?:=|\{|;))");
  static const std::regex declared_type(R"(^\s*(?:struct|class|enum|union)\b[^{]*;\s*$)");
  std::smatch m;
  if (std::regex_search(statement, m, type))
    return m[1];
  if (std::regex_search(statement, declared_type))
    return {};
  const std::size_t paren = statement.find('('), equals = statement.find('=');
  if (paren != std::string::npos && (equals == std::string::npos || paren < equals)) {
    const char last = statement[statement.find_last_not_of(' ')];
    if (last == ';' || !std::regex_search(statement, m, function))
      return {}; // a declaration
    return m[1];
  }
  if (statement.find("extern") != std::string::npos || !std::regex_search(statement, m, variable))
    return {};
  return m[1];
}

// What a section defines at namespace scope outside its own namespace, and every
// breach of the rules, as "path: what".
void scan(const Section &s, std::map<std::string, std::vector<std::string>> &defined, std::vector<std::string> &breaches) {
  const std::string stem = s.path.substr(s.path.rfind('/') + 1, s.path.rfind('.') - s.path.rfind('/') - 1);
  const std::string own = std::regex_replace(stem, std::regex("-"), "_") + "_internal";
  static const std::regex opens_namespace(R"(^\s*namespace\s*(\w*)\s*\{)");
  struct Scope {
    std::string name;
    int depth;
  };
  std::vector<Scope> namespaces;
  int depth = 0;
  std::string statement; // the statement at namespace scope read so far
  for (const std::string &line : s.lines) {
    const std::string code = code_of(line);
    const bool at_namespace_scope = namespaces.empty() ? depth == 0 : depth == namespaces.back().depth + 1;
    bool owned = false;
    for (const Scope &n : namespaces)
      owned |= n.name == own;
    std::smatch m;
    if (at_namespace_scope && statement.empty() && std::regex_search(code, m, opens_namespace)) {
      if (m[1].str().empty())
        breaches.push_back(s.path + ": an anonymous namespace");
      namespaces.push_back({m[1].str(), depth});
    } else if (at_namespace_scope && code.find_first_not_of(" \t") != std::string::npos && line[0] != '#' && !owned) {
      statement += code + " ";
      const std::size_t end = statement.find_last_not_of(' ');
      if (end != std::string::npos && (statement[end] == ';' || statement[end] == '{' || statement[end] == '}')) {
        if (statement.find("using namespace") != std::string::npos)
          breaches.push_back(s.path + ": a using-directive at namespace scope: " + statement);
        else if (const std::string name = defined_name(statement); !name.empty())
          defined[name].push_back(s.path);
        statement.clear();
      }
    }
    for (char c : code) {
      if (c == '{')
        ++depth;
      if (c == '}') {
        --depth;
        if (!namespaces.empty() && depth == namespaces.back().depth)
          namespaces.pop_back();
      }
    }
  }
}

TEST(SingleFile, EverySourceKeepsItsHelpersToItself) {
  for (const char *name : {"checker", "checker-kattis", "checker-testlib", "input-validator"}) {
    SCOPED_TRACE(name);
    const std::vector<Section> sections = sections_of(std::string(SINGLE_DIR "/") + name + ".cpp");
    ASSERT_GT(sections.size(), 10u);
    std::map<std::string, std::vector<std::string>> defined;
    std::vector<std::string> breaches;
    for (const Section &s : sections)
      scan(s, defined, breaches);
    for (const auto &[what, where] : defined) {
      std::set<std::string> files(where.begin(), where.end());
      if (files.size() > 1)
        breaches.push_back(what + " is defined outside its source's own namespace by " + *files.begin() + " and " +
                           *files.rbegin());
    }
    EXPECT_EQ(breaches, std::vector<std::string>{});
    EXPECT_GT(defined.size(), 50u) << "the scan found too few names to be trusted";
  }
}

} // namespace
