// The page's entry point: the form on the browser's desktop, for as long as the page is open.
#include "web_desktop.h"
#include "web_view.h"

int main()
{
    static WebDesktop desktop;
    static WebView view(desktop);
}
