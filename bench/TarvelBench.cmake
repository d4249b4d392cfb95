# The line monitor on a pseudo-terminal: decoding throughput of 1 MB of line
# events and the monitor's CPU share while the line is idle.
if(KIV_QT AND UNIX)
    add_executable(bench_tarvel TarvelBench.cpp)
    target_link_libraries(bench_tarvel PRIVATE kivqt)
    target_compile_options(bench_tarvel PRIVATE ${KIV_WARNINGS})
endif()
