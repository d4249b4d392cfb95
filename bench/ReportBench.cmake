# The report of a full configuration to PDF, timed as a whole kivtool process.
add_executable(bench_report_config ReportBench.cpp)
target_link_libraries(bench_report_config PRIVATE kivcore)
target_compile_options(bench_report_config PRIVATE ${KIV_WARNINGS})
