# Varnel: the level-I theory exam on pressure vessels, manual arc welding.
exam_program(varnel
    TITLE Varnel
    APP_ID org.weldingexams.Varnel
    GROUP_SIZE 16
    MENU_NAME "Варнель — сосуды, работающие под давлением"
    WINDOWS_SUMMARY "Варнель: экзамен по аттестации сварщиков, сосуды, работающие под давлением"
    PACKAGE_DESCRIPTION [[
welding certification theory exam on pressure vessels
Varnel is the theory exam, level I, manual arc welding, in the
certification of welding-production specialists who work on pressure
vessels. A candidate reads the title screen, answers fifteen
multiple-choice tickets drawn at random from the question bank built into
the program, and sees a table of the results.

The interface is Russian. The program reads and writes no files.]])
