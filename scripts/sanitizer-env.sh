# Sourced by the sanitizer scripts: how the sanitized programs, and the programs
# they start, report. Every finding is fatal and shows a stack trace.
KEP_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$KEP_ROOT/scripts/lsan-suppressions.txt:print_suppressions=0"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"
