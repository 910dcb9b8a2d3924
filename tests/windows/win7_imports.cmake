# Every executable of the Windows edition, of either architecture, imports only functions that
# Windows 7 SP1 has (win7_imports.txt).
add_test(NAME windows.Windows7Imports.executables
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win7_imports_test.sh ${CMAKE_OBJDUMP}
                 ${CMAKE_CURRENT_SOURCE_DIR}/win7_imports.txt
                 $<TARGET_FILE:varnel> $<TARGET_FILE:dostrik> $<TARGET_FILE:examtool>)

# The check itself: with a list that lacks the executable's imports, it fails and names them.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/win7_imports_one.txt "# one entry only\nKERNEL32.dll!Sleep\n")
add_test(NAME windows.Windows7Imports.unlisted_function_fails
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win7_imports_test.sh ${CMAKE_OBJDUMP}
                 ${CMAKE_CURRENT_BINARY_DIR}/win7_imports_one.txt $<TARGET_FILE:examtool>)
set_tests_properties(windows.Windows7Imports.unlisted_function_fails PROPERTIES
    PASS_REGULAR_EXPRESSION "examtool.exe imports functions not in win7_imports_one.txt.*\n    [a-z0-9]+\\.dll![A-Za-z_]")
