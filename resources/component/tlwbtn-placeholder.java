// Stand-in for the button applet, which is supplied separately: it only says so.
public class tlwbtn extends java.applet.Applet {
    public void paint(java.awt.Graphics g) {
        g.drawString("Button applet not installed", 4, 16);
    }
}
