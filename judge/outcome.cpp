// What the judgement establishes, kept for the front-ends.
#include "judge/outcome.h"

Detail detail;
