// Controls of the stage classification dialog (RALLYECLASSEMENTSPECIALE), shared by its
// template and its procedure (plain #defines for windres).
#pragma once

#define IDC_STAGE_CLASS_SEPARATOR 101
#define IDC_STAGE_CLASS_CAR_FILTER 5601
#define IDC_STAGE_CLASS_AGE_FILTER 5602
#define IDC_STAGE_CLASS_PUBLISH 5603
#define IDC_STAGE_CLASS_ACCORDING 5604
#define IDC_STAGE_CLASS_CAR_LABEL 5605
#define IDC_STAGE_CLASS_AGE_LABEL 5606
#define IDC_STAGE_CLASS_PRINT 5607
#define IDC_STAGE_CLASS_SCROLL 5608
