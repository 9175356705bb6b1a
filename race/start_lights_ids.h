// Controls of the start-lights window, shared by its template and its procedure.
#pragma once

#define IDC_START_LIGHTS_BACKGROUND 4102
#define IDC_START_LIGHTS_ZOOM_X_PLUS 4103
#define IDC_START_LIGHTS_ZOOM_X_MINUS 4104
#define IDC_START_LIGHTS_ZOOM_Y_PLUS 4105
#define IDC_START_LIGHTS_ZOOM_Y_MINUS 4106
#define IDC_START_LIGHTS_ZOOM_X_LABEL 4107
#define IDC_START_LIGHTS_ZOOM_Y_LABEL 4108
