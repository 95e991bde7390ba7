-- The live test's form logic: says when the form is up, hears hOne's click, and asks the
-- person to confirm it in a message box.
function Form_Load()
    hOne.HoverText = "Prompt"
    Print("ready")
end

function hOne_Click()
    Print("Click")
    MsgBox("hOne was clicked")
    Print("confirmed")
end

function hOne_KeyUp(KeyCode, Shift)
    Print("KeyUp", KeyCode, Shift)
end
