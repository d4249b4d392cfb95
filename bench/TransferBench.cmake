# Read and send against the unitsim program pacing a 9600-baud line.
if(KIV_QT AND TARGET unitsim)
    add_executable(bench_transfers TransferBench.cpp)
    target_link_libraries(bench_transfers PRIVATE kivqt)
    target_compile_options(bench_transfers PRIVATE ${KIV_WARNINGS})
    add_dependencies(bench_transfers unitsim)
endif()
