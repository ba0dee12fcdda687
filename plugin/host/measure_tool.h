// An inert measuring tool: registered with the host, never activated by the plug-in.
#pragma once

void RegisterMeasureTool();
