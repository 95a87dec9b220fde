#pragma once
// Makes the pictures compiled into the UI library available under ":/".
void InitVentaroResources();
