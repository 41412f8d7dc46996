#include "reports/PageHead.h"

namespace quelvarin::reports {

Lines PopupStyleLines() {
    return {
        "<style TYPE=\"text/css\">",
        "<!--",
        "body{",
        "overflow:scroll;overflow-x:hidden }",
        ".popper",
        "{  position : absolute;",
        "  visibility : hidden; }",
        "//--></style>",
    };
}

Lines PopupScriptLines(PopupPlacement placement) {
    bool below = placement == PopupPlacement::BelowMouse;
    return {
        "var nav = (document.layers);",
        "var iex = (document.all);",
        "var skn = (nav) ? document.topdeck : topdeck.style;",
        "if (nav) document.captureEvents(Event.MOUSEMOVE);",
        "document.onmousemove = get_mouse;",
        "function pop(fejl,msg,bak){",
        "var content =\"<TABLE WIDTH=300 BORDER=0 CELLPADDING=2 CELLSPACING=0 BGCOLOR=#000000><TR><TD><TABLE "
        "WIDTH=100% BORDER=0 CELLPADDING=0 CELLSPACING=0><TR><TD><FONT COLOR=#FFFFFF SIZE=2><B>\"+fejl+\"</B></FONT>"
        "</TD></TR></TABLE><TABLE WIDTH=100% BORDER=0 CELLPADDING=2 CELLSPACING=0 BGCOLOR=\"+bak+\"><TR><TD><FONT "
        "COLOR=#000000 SIZE=2>\"+msg+\"</FONT></TD></TR></TABLE></TD></TR></TABLE>\";",
        "  if (nav)",
        "  {skn.document.write(content);",
        "\t  skn.document.close();",
        "\t  skn.visibility = \"visible\"; }",
        // The standard branch: document.all and document.layers are gone from today's browsers.
        "    else if (!iex && document.getElementById)",
        "  { document.getElementById(\"topdeck\").innerHTML = content;",
        "\t  skn.visibility = \"visible\"; }",
        "    else if (iex)",
        "  { document.all(\"topdeck\").innerHTML = content;",
        "\t  skn.visibility = \"visible\"; }}",
        "function get_mouse(e)",
        "{ var x = (nav) ? e.pageX : event.x+document.body.scrollLeft;",
        "\tvar y = (nav) ? e.pageY : event.y+document.body.scrollTop;",
        below ? "\tskn.left = x ;" : "\tskn.left = x-320 ;",
        below ? "  skn.top  = y+20; }" : "  skn.top  = y-150; }",
        "function kill() {  skn.visibility = \"hidden\"; }",
        "</SCRIPT>",
    };
}

} // namespace quelvarin::reports
