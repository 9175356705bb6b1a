// Control ids of the reference database dialogs, shared by resources/database_dialogs.rc
// and the dialog code.
#pragma once

// Group boxes: they keep the template's font.
#define IDC_DB_GROUP 101

// Labels without an id of their own in the members' lists; ids only need to be unique
// within one dialog.
#define IDC_DB_LABEL_NEW 3950
#define IDC_DB_LABEL_ID 3951
#define IDC_DB_LABEL_1 3952
#define IDC_DB_LABEL_2 3953
#define IDC_DB_LABEL_3 3954
#define IDC_DB_LABEL_4 3955
#define IDC_DB_LABEL_5 3956
#define IDC_DB_LABEL_6 3957
#define IDC_DB_LABEL_7 3958
#define IDC_DB_LABEL_8 3959
#define IDC_DB_LABEL_9 3960
#define IDC_DB_LABEL_10 3961
#define IDC_DB_LABEL_11 3962
#define IDC_DB_LABEL_12 3963
#define IDC_DB_LABEL_13 3964
#define IDC_DB_LABEL_14 3965
