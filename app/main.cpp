#include "quillscape_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CQuillscapeApp app;
    return app.Run();
}
