// Includes ZOLT_WRONG_WAY_HEADER, a header the library under test must not reach.
#include ZOLT_WRONG_WAY_HEADER
