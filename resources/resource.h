// Ids of the plug-in's resources, shared by the resource script and the code that shows them.
// Plain numbers only, so that portable code may name them too.
#pragma once

#define IDD_CABRILLO 101

#define IDC_SOAPBOX 1001
#define IDC_ADDRESS 1002
#define IDC_ADDRESS_CITY 1003
#define IDC_EMAIL 1004
#define IDC_CLUB 1005
#define IDC_OPERATORS 1006
#define IDC_NAME 1007
#define IDC_CLAIMED 1008
#define IDC_CONTEST 1009
#define IDC_CALLSIGN 1010
#define IDC_ADDRESS_STATE_PROVINCE 1011
#define IDC_ADDRESS_POSTALCODE 1012
#define IDC_CATEGORY_OPERATOR 1013
#define IDC_CATEGORY_BAND 1014
#define IDC_ADDRESS_COUNTRY 1015
#define IDC_CATEGORY_ASSISTED 1016
#define IDC_CATEGORY_MODE 1020
#define IDC_CATEGORY_POWER 1021
#define IDC_CATEGORY_TRANSMITTER 1022
#define IDC_CATEGORY_OVERLAY 1023
#define IDC_LOCATION 1024
#define IDC_CATEGORY_STATION 1025
